// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/cRuleTexts.h"

#include "storage/MessageText.h"

namespace {

// "is ann@example.org" holds for "Ann Lee <ann@example.org>, bob@example.org".
void addAddressTexts(const QByteArray &list, QStringList *texts)
{
    if (list.trimmed().isEmpty())
        return;
    texts->append(StoredText(list).trimmed());
    for (const QByteArray &entry : list.split(',')) {
        texts->append(StoredText(entry).trimmed());
        if (const auto split = SplitAddress(entry); split && !split->address.isEmpty())
            texts->append(StoredText(split->address).trimmed());
    }
}

} // namespace

QStringList cRuleTexts::Texts(eRuleField field, const QString &header) const
{
    const cMailMessage &m = fMessage;
    QStringList texts;
    switch (field) {
    case eRuleField::From:
        addAddressTexts(m.From, &texts);
        addAddressTexts(m.SenderAddress(), &texts);
        break;
    case eRuleField::To: addAddressTexts(m.To, &texts); break;
    case eRuleField::CC: addAddressTexts(m.CC, &texts); break;
    case eRuleField::ToOrCC: texts = Of(eRuleField::To, {}, false) + Of(eRuleField::CC, {}, false); break;
    case eRuleField::Subject: texts.append(StoredText(m.Subject)); break;
    case eRuleField::Header:
        if (const QByteArray value = HeaderField(m.headerLines, header.toUtf8()); !value.isEmpty())
            texts.append(StoredText(value));
        break;
    case eRuleField::Body: texts.append(StoredText(m.body.join('\n'))); break;
    case eRuleField::Account: texts.append(StoredText(m.Account)); break;
    case eRuleField::Size:
    case eRuleField::HasAttachments: break;
    }
    return texts;
}

const QStringList &cRuleTexts::Of(eRuleField field, const QString &header, bool folded) const
{
    cField &made = field == eRuleField::Header ? fHeaders[header.toCaseFolded()] : fFields[size_t(field)];
    if (!made.made) {
        made.texts = Texts(field, header);
        made.made = true;
    }
    if (!folded)
        return made.texts;
    if (!made.foldedMade) {
        for (const QString &text : std::as_const(made.texts))
            made.folded.append(text.toCaseFolded());
        made.foldedMade = true;
    }
    return made.folded;
}
