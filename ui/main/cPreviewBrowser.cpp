#include "ui/main/cPreviewBrowser.h"

cPreviewBrowser::cPreviewBrowser(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

QVariant cPreviewBrowser::loadResource(int, const QUrl &)
{
    return {};
}
