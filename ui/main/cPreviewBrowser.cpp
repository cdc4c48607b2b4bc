#include "ui/main/cPreviewBrowser.h"

using namespace Qt::StringLiterals;

namespace {

QString fontFamilyForCss(QString family)
{
    return family.remove(u'\'').remove(u'\\');
}

} // namespace

cPreviewBrowser::cPreviewBrowser(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

QVariant cPreviewBrowser::loadResource(int, const QUrl &)
{
    return {};
}

void cPreviewBrowser::SetMessageFont(const QFont &font)
{
    setFont(font);
    document()->setDefaultFont(font);
    document()->setDefaultStyleSheet(u"pre, tt, code { font-family: '%1'; font-size: %2pt; }"_s.arg(
        fontFamilyForCss(font.family()), QString::number(font.pointSize())));
}
