// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/PreviewHeader.h"

#include "storage/DisplayText.h"
#include "storage/MessageText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(TfrmMain)
};

QString sender(const cMailMessage &message)
{
    const QString name = DisplayText(message.From);
    // Files stored before the sender's address was kept have only the reply address.
    const QString address = DisplayText(message.SenderAddress());
    if (address.isEmpty() || name == address)
        return name.isEmpty() ? address : name;
    return name.isEmpty() ? address : name + u" <"_s + address + u'>';
}

} // namespace

QString MessageDateText(const QByteArray &dateField)
{
    // Qt reads RFC 2822 dates without the comment some servers add, e.g. "(UTC)".
    static const QRegularExpression comment(u"\\s*\\([^)]*\\)\\s*$"_s);
    const QString text = DisplayText(dateField).trimmed();
    const QDateTime date = QDateTime::fromString(QString(text).remove(comment), Qt::RFC2822Date);
    return date.isValid() ? QLocale::system().toString(date.toLocalTime(), QLocale::LongFormat) : text;
}

QList<cPreviewHeaderLine> PreviewHeaderLines(const cMailMessage &message)
{
    const QByteArray dateField = HeaderField(message.headerLines, "Date");
    QList<cPreviewHeaderLine> lines{{cTexts::tr("From:"), sender(message)}, {cTexts::tr("To:"), DisplayText(message.To)}};
    if (!message.CC.trimmed().isEmpty())
        lines.append({cTexts::tr("CC:"), DisplayText(message.CC)});
    lines.append({cTexts::tr("Date:"), dateField.isEmpty() ? DisplayText(message.DateTime) : MessageDateText(dateField)});
    lines.append({cTexts::tr("Subject:"), DisplayText(message.Subject)});
    return lines;
}

QString PreviewHeaderHtml(const cMailMessage &message)
{
    QString html = u"<table cellspacing=\"0\" cellpadding=\"1\">"_s;
    for (const cPreviewHeaderLine &line : PreviewHeaderLines(message))
        html += u"<tr><td><b>%1</b>&nbsp;</td><td>%2</td></tr>"_s.arg(line.label.toHtmlEscaped(),
                                                                       line.value.toHtmlEscaped());
    return html + u"</table>"_s;
}
