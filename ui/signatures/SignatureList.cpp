#include "ui/signatures/SignatureList.h"

#include "storage/cSignatureStore.h"
#include "ui/wndlist/ListSelection.h"

#include <QIcon>
#include <QListWidget>
#include <QStringList>

void FillSignatureList(QListWidget *list)
{
    list->clear();
    const QIcon icon = QIcon::fromTheme(QStringLiteral("text-x-generic"));
    for (const QString &name : cSignatureStore::SignatureNames())
        list->addItem(new QListWidgetItem(icon, name));
    SelectCurrentRow(list);
}

QString SignatureText(const QString &name)
{
    QStringList lines;
    for (const QByteArray &line : cSignatureStore::SignatureLines(name))
        lines.append(QString::fromUtf8(line));
    return lines.join(QLatin1Char('\n'));
}
