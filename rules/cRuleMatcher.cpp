// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/cRuleMatcher.h"

#include "rules/RuleWords.h"

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

// needle: the condition's text, case-folded when the texts are.
bool textHolds(eRuleMatch match, const QString &needle, const QRegularExpression &pattern, const QString &text)
{
    switch (match) {
    case eRuleMatch::Contains:
    case eRuleMatch::NotContains: return text.contains(needle);
    case eRuleMatch::Is: return text == needle;
    case eRuleMatch::BeginsWith: return text.startsWith(needle);
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
        // A pattern folds case itself; a plain text is compared with texts folded as it is.
        const bool folded = !condition.caseSensitive && condition.match != eRuleMatch::Regex;
        cTest test{condition, folded ? condition.text.toCaseFolded() : condition.text, folded, {},
                   condition.text.toLongLong() * 1024};
        if (condition.match == eRuleMatch::Regex) {
            test.pattern = patternOf(condition);
            test.pattern.optimize();
        }
        fNeedsFullRecord |= condition.field == eRuleField::Header || condition.field == eRuleField::Body;
        fNeedsSize |= condition.field == eRuleField::Size;
        fTests.append(std::move(test));
    }
}

bool cRuleMatcher::Holds(const cTest &test, const cRuleTexts &texts, qint64 size) const
{
    const cRuleCondition &condition = test.condition;
    if (condition.field == eRuleField::HasAttachments)
        return !texts.Message().attachments.isEmpty();
    if (condition.field == eRuleField::Size)
        return condition.match == eRuleMatch::LargerThan ? size > test.bytes : size < test.bytes;
    const QStringList &compared = texts.Of(condition.field, condition.header, test.folded);
    const bool any = std::any_of(compared.begin(), compared.end(), [&](const QString &text) {
        return textHolds(condition.match, test.needle, test.pattern, text);
    });
    return condition.match == eRuleMatch::NotContains ? !any : any;
}

bool cRuleMatcher::Matches(const cRuleTexts &texts, qint64 size) const
{
    // A rule without conditions holds for every message.
    const auto holds = [&](const cTest &test) { return Holds(test, texts, size); };
    return fMatchAll ? std::all_of(fTests.begin(), fTests.end(), holds)
                     : fTests.isEmpty() || std::any_of(fTests.begin(), fTests.end(), holds);
}
