// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cRuleCommands.h"

#include "cli/cCliCommands.h"
#include "rules/RuleWords.h"
#include "rules/cJunkFilter.h"
#include "rules/cRuleEngine.h"
#include "rules/cRuleStore.h"
#include "storage/MailStorage.h"

#include <QFile>
#include <QFileInfo>

#include <map>

namespace {

// The condition each text option adds; the comparison is the one last given with --match.
const std::map<QString, eRuleField> kTextOptions = {
    {QStringLiteral("--from"), eRuleField::From},       {QStringLiteral("--to"), eRuleField::To},
    {QStringLiteral("--cc"), eRuleField::CC},           {QStringLiteral("--to-or-cc"), eRuleField::ToOrCC},
    {QStringLiteral("--subject"), eRuleField::Subject}, {QStringLiteral("--header"), eRuleField::Header},
    {QStringLiteral("--body"), eRuleField::Body},       {QStringLiteral("--account"), eRuleField::Account},
};
const std::map<QString, eRuleMatch> kSizeOptions = {
    {QStringLiteral("--larger-than"), eRuleMatch::LargerThan},
    {QStringLiteral("--smaller-than"), eRuleMatch::SmallerThan},
};
const std::map<QString, eRuleAction> kFolderActions = {
    {QStringLiteral("--move-to"), eRuleAction::MoveTo},
    {QStringLiteral("--copy-to"), eRuleAction::CopyTo},
};
const std::map<QString, eRuleAction> kPlainActions = {
    {QStringLiteral("--mark-read"), eRuleAction::MarkRead},
    {QStringLiteral("--delete"), eRuleAction::Delete},
};

bool takesValue(const QString &option)
{
    return kTextOptions.count(option) || kSizeOptions.count(option) || kFolderActions.count(option)
           || option == QLatin1String("--match") || option == QLatin1String("--priority");
}

// "--header NAME:TEXT" names the header before the first colon.
cRuleCondition textCondition(eRuleField field, eRuleMatch match, const QString &value)
{
    cRuleCondition condition{field, match, {}, value, false};
    if (field == eRuleField::Header) {
        const qsizetype colon = value.indexOf(QLatin1Char(':'));
        condition.header = value.left(colon).trimmed();
        condition.text = colon < 0 ? QString() : value.mid(colon + 1);
    }
    return condition;
}

QString ruleLine(const cRule &rule)
{
    QStringList conditions, actions;
    for (const cRuleCondition &condition : rule.conditions)
        conditions.append(DescribeCondition(condition));
    for (const cRuleAction &action : rule.actions)
        actions.append(DescribeAction(action));
    if (rule.stop)
        actions.append(QStringLiteral("stop"));
    const QString when = conditions.isEmpty() ? QStringLiteral("every message")
                                              : conditions.join(rule.matchAll ? QStringLiteral(" and ") : QStringLiteral(" or "));
    return QStringLiteral("%1\t%2\t%3\t%4")
        .arg(rule.name, rule.enabled ? QStringLiteral("on") : QStringLiteral("off"), when, actions.join(QStringLiteral(", ")));
}

QByteArray mailOfFile(const QString &path, QByteArray data)
{
    if (!path.endsWith(QLatin1String(".qrz"), Qt::CaseInsensitive))
        return data;
    cMailMessage message;
    if (!message.ReadFile(path))
        return data;
    return cJunkFilter::MailText(message);
}

} // namespace

QString cRuleCommands::Usage()
{
    return QStringLiteral(
        "  rule add NAME [--all|--any] [--match contains|does-not-contain|is|begins-with|matches]\n"
        "           [--from T] [--to T] [--cc T] [--to-or-cc T] [--subject T] [--header NAME:T] [--body T]\n"
        "           [--account A] [--larger-than KB] [--smaller-than KB] [--has-attachments]\n"
        "           (--move-to F | --copy-to F | --mark-read | --priority 0-4 | --delete)... [--stop]\n"
        "                                   add a rule at the end; --match applies to the texts after it\n"
        "  rule list                        one line per rule, in the order they run: name, on/off, conditions, actions\n"
        "  rule delete NAME                 remove a rule\n"
        "  rule run FOLDER                  run the rules on every message of a folder\n"
        "  junk learn (--spam|--ham) FILE...  teach the junk filter (bogofilter) with message files (.eml or .qrz)\n");
}

int cRuleCommands::Rule(const QStringList &arguments)
{
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("add"))
        return Add(rest);
    if (command == QLatin1String("list"))
        return rest.isEmpty() ? List() : fCli.Misuse(QStringLiteral("rule list takes no arguments."));
    if (command == QLatin1String("delete"))
        return rest.size() == 1 ? Delete(rest.first()) : fCli.Misuse(QStringLiteral("rule delete needs exactly one rule name."));
    if (command == QLatin1String("run"))
        return rest.size() == 1 ? RunOn(rest.first()) : fCli.Misuse(QStringLiteral("rule run needs exactly one folder name."));
    return fCli.Misuse(QStringLiteral("rule takes add, list, delete or run."));
}

int cRuleCommands::Junk(const QStringList &arguments)
{
    if (arguments.value(0) != QLatin1String("learn"))
        return fCli.Misuse(QStringLiteral("junk takes learn."));
    return Learn(arguments.mid(1));
}

QString cRuleCommands::ParseRule(const QStringList &arguments, cRule &rule)
{
    eRuleMatch match = eRuleMatch::Contains;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        if (takesValue(option) && i + 1 >= arguments.size())
            return QStringLiteral("%1 needs a value.").arg(option);
        const QString value = takesValue(option) ? arguments.at(++i) : QString();
        if (option == QLatin1String("--all") || option == QLatin1String("--any")) {
            rule.matchAll = option == QLatin1String("--all");
        } else if (option == QLatin1String("--stop")) {
            rule.stop = true;
        } else if (option == QLatin1String("--has-attachments")) {
            rule.conditions.append({eRuleField::HasAttachments, eRuleMatch::Is, {}, {}, false});
        } else if (option == QLatin1String("--match")) {
            const auto chosen = MatchFromWord(value);
            if (!chosen || *chosen == eRuleMatch::LargerThan || *chosen == eRuleMatch::SmallerThan)
                return QStringLiteral("--match takes contains, does-not-contain, is, begins-with or matches, not \"%1\".").arg(value);
            match = *chosen;
        } else if (const auto text = kTextOptions.find(option); text != kTextOptions.end()) {
            rule.conditions.append(textCondition(text->second, match, value));
        } else if (const auto size = kSizeOptions.find(option); size != kSizeOptions.end()) {
            rule.conditions.append({eRuleField::Size, size->second, {}, value, false});
        } else if (const auto filing = kFolderActions.find(option); filing != kFolderActions.end()) {
            rule.actions.append({filing->second, value});
        } else if (const auto plain = kPlainActions.find(option); plain != kPlainActions.end()) {
            rule.actions.append(cRuleAction(plain->second));
        } else if (option == QLatin1String("--priority")) {
            bool number = false;
            const int priority = value.toInt(&number);
            if (!number || priority < 0 || priority > 4)
                return QStringLiteral("--priority takes a number from 0 (highest) to 4 (lowest), not \"%1\".").arg(value);
            rule.actions.append({eRuleAction::SetPriority, {}, priority});
        } else {
            return QStringLiteral("Unknown option \"%1\".").arg(option);
        }
    }
    return rule.actions.isEmpty() ? QStringLiteral("rule add needs an action: --move-to, --copy-to, --mark-read, "
                                                   "--priority or --delete.")
                                  : QString();
}

int cRuleCommands::Add(const QStringList &arguments)
{
    if (arguments.isEmpty() || arguments.first().startsWith(QLatin1String("--")))
        return fCli.Misuse(QStringLiteral("rule add needs a rule name."));
    cRule rule;
    rule.name = arguments.first();
    if (const QString wrong = ParseRule(arguments.mid(1), rule); !wrong.isEmpty())
        return fCli.Misuse(wrong);
    if (!fCli.StorageReady())
        return 1;
    for (const cRuleAction &action : rule.actions)
        if (!action.folder.isEmpty() && !fCli.FolderExists(action.folder))
            return 1;
    if (const cResult added = cRuleStore::Add(rule); !added) {
        fCli.fErr << "ravelin-cli: " << added.text() << "\n";
        return 1;
    }
    return 0;
}

int cRuleCommands::List()
{
    if (!fCli.StorageReady())
        return 1;
    QStringList unreadable;
    const QStringList folders = fCli.fStore.Folders();
    for (const cRule &rule : cRuleStore::Rules(&unreadable)) {
        fCli.fOut << ruleLine(rule) << "\n";
        const cRuleEngine alone({rule}, folders);
        for (const QString &note : alone.Notes())
            fCli.fOut << "\t" << note << "\n";
    }
    for (const QString &note : unreadable)
        fCli.fErr << "ravelin-cli: " << note << "\n";
    return 0;
}

int cRuleCommands::Delete(const QString &name)
{
    if (const cResult deleted = cRuleStore::Delete(name); !deleted) {
        fCli.fErr << "ravelin-cli: " << deleted.text() << "\n";
        return 1;
    }
    return 0;
}

int cRuleCommands::RunOn(const QString &folder)
{
    if (!fCli.StorageReady() || !fCli.FolderExists(folder))
        return 1;
    cMailStore &store = fCli.fStore;
    const cRuleEngine engine = cRuleEngine::FromStore(store.Folders());
    for (const QString &note : engine.Notes())
        fCli.fErr << "ravelin-cli: " << note << "\n";
    const auto told = [this, &store](const cMessageRef &was, const cMessageRef &now) {
        if (now == was)
            return;
        fCli.fOut << "moved " << store.FileOf(was) << " -> " << store.FileOf(now) << "\n";
        fCli.fOut.flush();
    };
    const cRuleEngine::cFolderRun run = engine.ApplyToFolder(store, folder, told);
    for (const QString &error : run.errors)
        fCli.fErr << "ravelin-cli: " << error << "\n";
    fCli.fOut << run.moved << " message(s) moved\n";
    return run.errors.isEmpty() ? 0 : 1;
}

int cRuleCommands::Learn(const QStringList &arguments)
{
    const QString kind = arguments.value(0);
    if ((kind != QLatin1String("--spam") && kind != QLatin1String("--ham")) || arguments.size() < 2)
        return fCli.Misuse(QStringLiteral("junk learn needs --spam or --ham and at least one file."));
    if (cJunkFilter::Program().isEmpty()) {
        fCli.fErr << "ravelin-cli: " << cJunkFilter::NotInstalledText() << "\n";
        return 1;
    }
    // A .qrz file's kept original lies in the mail folder.
    (void)InitMailStorage();
    QList<QByteArray> mails;
    for (const QString &path : arguments.mid(1)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            fCli.fErr << "ravelin-cli: cannot learn from \"" << path << "\": " << file.errorString() << "\n";
            return 1;
        }
        mails.append(mailOfFile(path, file.readAll()));
    }
    if (const cResult learned = cJunkFilter::Learn(mails, kind == QLatin1String("--spam")); !learned) {
        fCli.fErr << "ravelin-cli: " << learned.text() << "\n";
        return 1;
    }
    fCli.fOut << "learned " << mails.size() << " message(s) as " << kind.mid(2) << "\n";
    return 0;
}
