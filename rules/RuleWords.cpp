// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/RuleWords.h"

#include <utility>

namespace {

template<typename E>
using cWords = std::initializer_list<std::pair<E, const char *>>;

const cWords<eRuleField> kFieldWords = {
    {eRuleField::From, "from"},       {eRuleField::To, "to"},
    {eRuleField::CC, "cc"},           {eRuleField::ToOrCC, "to-or-cc"},
    {eRuleField::Subject, "subject"}, {eRuleField::Header, "header"},
    {eRuleField::Body, "body"},       {eRuleField::Size, "size"},
    {eRuleField::HasAttachments, "has-attachments"}, {eRuleField::Account, "account"},
};
const cWords<eRuleMatch> kMatchWords = {
    {eRuleMatch::Contains, "contains"},      {eRuleMatch::NotContains, "does-not-contain"},
    {eRuleMatch::Is, "is"},                  {eRuleMatch::BeginsWith, "begins-with"},
    {eRuleMatch::Regex, "matches"},          {eRuleMatch::LargerThan, "larger-than"},
    {eRuleMatch::SmallerThan, "smaller-than"},
};
const cWords<eRuleAction> kActionWords = {
    {eRuleAction::MoveTo, "move"},       {eRuleAction::CopyTo, "copy"},
    {eRuleAction::MarkRead, "mark-read"}, {eRuleAction::SetPriority, "priority"},
    {eRuleAction::Delete, "delete"},
};

template<typename E>
QString wordOf(const cWords<E> &words, E value)
{
    for (const auto &[known, word] : words)
        if (known == value)
            return QLatin1String(word);
    return {};
}

template<typename E>
std::optional<E> valueOf(const cWords<E> &words, const QString &word)
{
    for (const auto &[known, name] : words)
        if (word.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return known;
    return std::nullopt;
}

} // namespace

QString FieldWord(eRuleField field) { return wordOf(kFieldWords, field); }
QString MatchWord(eRuleMatch match) { return wordOf(kMatchWords, match); }
QString ActionWord(eRuleAction action) { return wordOf(kActionWords, action); }
std::optional<eRuleField> FieldFromWord(const QString &word) { return valueOf(kFieldWords, word); }
std::optional<eRuleMatch> MatchFromWord(const QString &word) { return valueOf(kMatchWords, word); }
std::optional<eRuleAction> ActionFromWord(const QString &word) { return valueOf(kActionWords, word); }

QString DescribeCondition(const cRuleCondition &condition)
{
    if (condition.field == eRuleField::HasAttachments)
        return FieldWord(condition.field);
    if (condition.field == eRuleField::Size)
        return QStringLiteral("size %1 %2 KB").arg(MatchWord(condition.match), condition.text);
    const QString field = condition.field == eRuleField::Header
                              ? QStringLiteral("header \"%1\"").arg(condition.header)
                              : FieldWord(condition.field);
    return QStringLiteral("%1 %2 \"%3\"%4")
        .arg(field, MatchWord(condition.match), condition.text,
             condition.caseSensitive ? QStringLiteral(" (case-sensitive)") : QString());
}

QString DescribeAction(const cRuleAction &action)
{
    switch (action.kind) {
    case eRuleAction::MoveTo: return QStringLiteral("move to \"%1\"").arg(action.folder);
    case eRuleAction::CopyTo: return QStringLiteral("copy to \"%1\"").arg(action.folder);
    case eRuleAction::SetPriority: return QStringLiteral("set priority %1").arg(action.priority);
    case eRuleAction::MarkRead: return QStringLiteral("mark read");
    case eRuleAction::Delete: return QStringLiteral("delete to Trash");
    }
    return {};
}
