// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/cRuleStore.h"

#include "rules/RuleWords.h"
#include "rules/cRuleMatcher.h"
#include "storage/AtomicFile.h"
#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"

#include <QCoreApplication>
#include <QFile>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cRuleStore)
};

cResult refused(const QString &text)
{
    return cResult::Failed(eFailure::Refused, text);
}

QByteArray quoted(const QString &text)
{
    return '"' + text.toUtf8() + '"';
}

QString unquoted(const QByteArray &value)
{
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        return QString::fromUtf8(value.mid(1, value.size() - 2));
    return QString::fromUtf8(value);
}

bool isOneLine(const QString &text)
{
    return !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
}

// A section header gives the name back whole: no line break, no "]", no blanks around it.
bool isStorableName(const QString &name)
{
    return !name.isEmpty() && name.trimmed() == name && isOneLine(name) && !name.contains(QLatin1Char(']'));
}

QStringList textsOf(const cRule &rule)
{
    QStringList texts;
    for (const cRuleCondition &condition : rule.conditions)
        texts << condition.text << condition.header;
    for (const cRuleAction &action : rule.actions)
        texts << action.folder;
    return texts;
}

QByteArray numbered(const char *kind, qsizetype index, const char *key = "")
{
    return QByteArray(kind) + QByteArray::number(index + 1) + key;
}

void appendLine(QByteArray &text, const QByteArray &key, const QByteArray &value)
{
    text += key + '=' + value + "\r\n";
}

QByteArray sectionText(const cRule &rule)
{
    QByteArray text = '[' + rule.name.toUtf8() + "]\r\n";
    appendLine(text, "Enabled", rule.enabled ? "1" : "0");
    appendLine(text, "Match", rule.matchAll ? "all" : "any");
    for (qsizetype i = 0; i < rule.conditions.size(); ++i) {
        const cRuleCondition &c = rule.conditions.at(i);
        appendLine(text, numbered("Condition", i), FieldWord(c.field).toUtf8());
        appendLine(text, numbered("Condition", i, "Match"), MatchWord(c.match).toUtf8());
        appendLine(text, numbered("Condition", i, "Text"), quoted(c.text));
        if (c.field == eRuleField::Header)
            appendLine(text, numbered("Condition", i, "Header"), c.header.toUtf8());
        if (c.caseSensitive)
            appendLine(text, numbered("Condition", i, "CaseSensitive"), "1");
    }
    for (qsizetype i = 0; i < rule.actions.size(); ++i) {
        const cRuleAction &a = rule.actions.at(i);
        appendLine(text, numbered("Action", i), ActionWord(a.kind).toUtf8());
        if (a.kind == eRuleAction::MoveTo || a.kind == eRuleAction::CopyTo)
            appendLine(text, numbered("Action", i, "Folder"), quoted(a.folder));
        if (a.kind == eRuleAction::SetPriority)
            appendLine(text, numbered("Action", i, "Priority"), QByteArray::number(a.priority));
    }
    appendLine(text, "Stop", rule.stop ? "1" : "0");
    return text;
}

// False when a stored word is unknown.
bool readConditions(const cIniSection &section, cRule *rule)
{
    for (qsizetype i = 0; section.contains(numbered("Condition", i)); ++i) {
        const auto field = FieldFromWord(section.text(numbered("Condition", i)));
        const auto match = MatchFromWord(section.text(numbered("Condition", i, "Match"), QStringLiteral("contains")));
        if (!field || !match)
            return false;
        rule->conditions.append({*field, *match, section.text(numbered("Condition", i, "Header")),
                                 unquoted(section.value(numbered("Condition", i, "Text"))),
                                 section.boolean(numbered("Condition", i, "CaseSensitive"), false)});
    }
    return true;
}

bool readActions(const cIniSection &section, cRule *rule)
{
    for (qsizetype i = 0; section.contains(numbered("Action", i)); ++i) {
        const auto kind = ActionFromWord(section.text(numbered("Action", i)));
        if (!kind)
            return false;
        rule->actions.append({*kind, unquoted(section.value(numbered("Action", i, "Folder"))),
                              std::clamp(section.integer(numbered("Action", i, "Priority"), 2), 0, 4)});
    }
    return true;
}

cRule readRule(const QString &name, const cIniSection &section, QStringList *unreadable)
{
    cRule rule;
    rule.name = name;
    rule.enabled = section.boolean("Enabled", true);
    rule.matchAll = section.text("Match", QStringLiteral("all")).compare(QLatin1String("any"), Qt::CaseInsensitive) != 0;
    rule.stop = section.boolean("Stop", false);
    if (!readConditions(section, &rule) || !readActions(section, &rule)) {
        rule.enabled = false;
        if (unreadable)
            unreadable->append(cTexts::tr("The rule \"%1\" in \"%2\" names a condition or action this version does "
                                              "not know; it is switched off.")
                                   .arg(name, cRuleStore::FilePath()));
    }
    return rule;
}

} // namespace

QString cRuleStore::FilePath()
{
    return ProgramFolder() + QStringLiteral("/Ravelin2 Rules.ini");
}

QList<cRule> cRuleStore::Rules(QStringList *unreadable)
{
    const cIniFile file(FilePath());
    QList<cRule> rules;
    for (const QString &name : file.readSections())
        rules.append(readRule(name, file.readSection(name), unreadable));
    return rules;
}

QString cRuleStore::Problem(const cRule &rule)
{
    if (!isStorableName(rule.name))
        return QStringLiteral("\"%1\" cannot name a rule: a name is not blank, has no blanks around it, and holds no "
                              "line break or \"]\".")
            .arg(rule.name);
    const QStringList texts = textsOf(rule);
    if (!std::all_of(texts.begin(), texts.end(), isOneLine))
        return cTexts::tr("The rule \"%1\" holds a line break in a text; a text of a rule is one line.").arg(rule.name);
    return cRuleMatcher::Problem(rule);
}

cResult cRuleStore::Save(const QList<cRule> &rules)
{
    QByteArray text;
    QStringList names;
    for (const cRule &rule : rules) {
        if (const QString problem = Problem(rule); !problem.isEmpty())
            return refused(problem);
        if (names.contains(rule.name, Qt::CaseInsensitive))
            return refused(cTexts::tr("There are two rules called \"%1\".").arg(rule.name));
        names.append(rule.name);
        text += sectionText(rule);
    }
    return WriteFileAtomically(FilePath(), text);
}

// Add and Delete leave every other rule's bytes alone: a rule this version cannot read whole
// would lose what it could not read if written back from what was read.
cResult cRuleStore::Add(const cRule &rule)
{
    if (const QString problem = Problem(rule); !problem.isEmpty())
        return refused(problem);
    for (const QString &known : cIniFile(FilePath()).readSections())
        if (known.compare(rule.name, Qt::CaseInsensitive) == 0)
            return refused(cTexts::tr("There is a rule called \"%1\" already.").arg(known));
    QFile file(FilePath());
    if (file.exists() && !file.open(QIODevice::ReadOnly))
        return cResult::Failed(eFailure::FileSystem,
                               cTexts::tr("Cannot read the rules in \"%1\": %2").arg(FilePath(), file.errorString()));
    QByteArray text = file.isOpen() ? file.readAll() : QByteArray();
    if (!text.isEmpty() && !text.endsWith('\n'))
        text += "\r\n";
    return WriteFileAtomically(FilePath(), text + sectionText(rule));
}

cResult cRuleStore::Delete(const QString &name)
{
    cIniFile file(FilePath());
    if (!file.sectionExists(name))
        return refused(cTexts::tr("There is no rule called \"%1\" in \"%2\".").arg(name, FilePath()));
    if (!file.eraseSection(name))
        return cResult::Failed(eFailure::FileSystem, file.errorString());
    return cResult::Ok();
}
