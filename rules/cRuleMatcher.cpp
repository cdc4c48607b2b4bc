// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/cRuleMatcher.h"

#include "rules/RuleWords.h"
#include "storage/MessageText.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cRuleMatcher)
};

bool isTextField(eRuleField field)
{
    return field != eRuleField::Size && field != eRuleField::HasAttachments;
}

bool isSizeMatch(eRuleMatch match)
{
    return match == eRuleMatch::LargerThan || match == eRuleMatch::SmallerThan;
}

QRegularExpression patternOf(const cRuleCondition &condition)
{
    return QRegularExpression(condition.text, condition.caseSensitive ? QRegularExpression::NoPatternOption
                                                                      : QRegularExpression::CaseInsensitiveOption);
}

// The whole list, each entry and each entry's address: "is ann@example.org" holds for
// "Ann Lee <ann@example.org>, bob@example.org".
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

QStringList textsOf(const cRuleCondition &condition, const cMailMessage &m)
{
    QStringList texts;
    switch (condition.field) {
    case eRuleField::From:
        addAddressTexts(m.From, &texts);
        addAddressTexts(m.SenderAddress(), &texts);
        break;
    case eRuleField::To: addAddressTexts(m.To, &texts); break;
    case eRuleField::CC: addAddressTexts(m.CC, &texts); break;
    case eRuleField::ToOrCC:
        addAddressTexts(m.To, &texts);
        addAddressTexts(m.CC, &texts);
        break;
    case eRuleField::Subject: texts.append(StoredText(m.Subject)); break;
    case eRuleField::Header:
        if (const QByteArray value = HeaderField(m.headerLines, condition.header.toUtf8()); !value.isEmpty())
            texts.append(StoredText(value));
        break;
    case eRuleField::Body: texts.append(StoredText(m.body.join('\n'))); break;
    case eRuleField::Account: texts.append(StoredText(m.Account)); break;
    case eRuleField::Size:
    case eRuleField::HasAttachments: break;
    }
    return texts;
}

bool textHolds(const cRuleCondition &condition, const QRegularExpression &pattern, const QString &text)
{
    const Qt::CaseSensitivity cs = condition.caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    switch (condition.match) {
    case eRuleMatch::Contains:
    case eRuleMatch::NotContains: return text.contains(condition.text, cs);
    case eRuleMatch::Is: return text.compare(condition.text, cs) == 0;
    case eRuleMatch::BeginsWith: return text.startsWith(condition.text, cs);
    case eRuleMatch::Regex: return pattern.match(text).hasMatch();
    case eRuleMatch::LargerThan:
    case eRuleMatch::SmallerThan: break;
    }
    return false;
}

} // namespace

QString cRuleMatcher::Problem(const cRule &rule)
{
    for (const cRuleCondition &condition : rule.conditions) {
        const QString where = cTexts::tr("The rule \"%1\" (%2): ").arg(rule.name, DescribeCondition(condition));
        if (condition.field == eRuleField::Size) {
            bool number = false;
            const qint64 kilobytes = condition.text.toLongLong(&number);
            if (!isSizeMatch(condition.match) || !number || kilobytes < 0)
                return where + cTexts::tr("a size is compared as larger-than or smaller-than a number of kilobytes.");
        } else if (isTextField(condition.field) && isSizeMatch(condition.match)) {
            return where + cTexts::tr("only a size can be larger or smaller.");
        } else if (condition.field == eRuleField::Header && condition.header.trimmed().isEmpty()) {
            return where + cTexts::tr("the header's name is missing.");
        } else if (condition.match == eRuleMatch::Regex) {
            if (const QRegularExpression pattern = patternOf(condition); !pattern.isValid())
                return where + cTexts::tr("the pattern is not a valid regular expression: %1 at position %2.")
                                   .arg(pattern.errorString())
                                   .arg(pattern.patternErrorOffset());
        }
    }
    if (rule.actions.isEmpty() && !rule.stop)
        return cTexts::tr("The rule \"%1\" has no action.").arg(rule.name);
    return {};
}

cRuleMatcher::cRuleMatcher(const cRule &rule) : fMatchAll(rule.matchAll)
{
    for (const cRuleCondition &condition : rule.conditions) {
        cTest test{condition, {}, condition.text.toLongLong() * 1024};
        if (condition.match == eRuleMatch::Regex) {
            test.pattern = patternOf(condition);
            test.pattern.optimize();
        }
        fNeedsFullRecord |= condition.field == eRuleField::Header || condition.field == eRuleField::Body;
        fNeedsSize |= condition.field == eRuleField::Size;
        fTests.append(std::move(test));
    }
}

bool cRuleMatcher::Holds(const cTest &test, const cMailMessage &message, qint64 size) const
{
    const cRuleCondition &condition = test.condition;
    if (condition.field == eRuleField::HasAttachments)
        return !message.attachments.isEmpty();
    if (condition.field == eRuleField::Size)
        return condition.match == eRuleMatch::LargerThan ? size > test.bytes : size < test.bytes;
    const QStringList texts = textsOf(condition, message);
    const bool any = std::any_of(texts.begin(), texts.end(),
                                 [&](const QString &text) { return textHolds(condition, test.pattern, text); });
    return condition.match == eRuleMatch::NotContains ? !any : any;
}

bool cRuleMatcher::Matches(const cMailMessage &message, qint64 size) const
{
    // A rule without conditions holds for every message.
    const auto holds = [&](const cTest &test) { return Holds(test, message, size); };
    return fMatchAll ? std::all_of(fTests.begin(), fTests.end(), holds)
                     : fTests.isEmpty() || std::any_of(fTests.begin(), fTests.end(), holds);
}
