// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One message rule as the user made it: a name, whether it is on, whether all or any of its
// conditions must hold, the actions to take on a message that matches, and whether later
// rules still see that message. cRuleStore keeps the ordered list; cRuleEngine applies it.
#include <QList>
#include <QString>

#include <utility>

enum class eRuleField { From, To, CC, ToOrCC, Subject, Header, Body, Size, HasAttachments, Account };
enum class eRuleMatch { Contains, NotContains, Is, BeginsWith, Regex, LargerThan, SmallerThan };
enum class eRuleAction { MoveTo, CopyTo, MarkRead, SetPriority, Delete };

struct cRuleCondition
{
    eRuleField field = eRuleField::Subject;
    eRuleMatch match = eRuleMatch::Contains;
    QString header; // the field's name, for eRuleField::Header
    // The text or pattern; kilobytes for a size; unused for attachments.
    QString text;
    bool caseSensitive = false;
};

struct cRuleAction
{
    cRuleAction(eRuleAction kind = eRuleAction::MarkRead, QString folder = {}, int priority = 2)
        : kind(kind), folder(std::move(folder)), priority(priority)
    {
    }

    eRuleAction kind;
    QString folder; // MoveTo, CopyTo
    int priority;   // SetPriority: 0 highest .. 4 lowest, as cMailMessage keeps it
};

struct cRule
{
    QString name;
    bool enabled = true;
    bool matchAll = true;
    QList<cRuleCondition> conditions;
    QList<cRuleAction> actions;
    bool stop = false;
};
