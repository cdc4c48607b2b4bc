// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cCliCommands.h"

#include "cli/cAutoAccountCommand.h"
#include "cli/cIdentityCommands.h"
#include "cli/cRuleCommands.h"
#include "cli/cSignInCommand.h"
#include "search/cSearchIndex.h"
#include "storage/MailStorage.h"
#include "storage/MessageText.h"
#include "storage/SettingsPaths.h"
#include "transfer/cAccountStore.h"
#include "transfer/cAutoconfig.h"
#include "transfer/cGetSession.h"
#include "transfer/cIncomingStore.h"
#include "transfer/cSendSession.h"
#include "version/Version.h"

#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>

#include <functional>
#include <map>

namespace {

// Received text goes to a terminal: an escape sequence in a subject could retitle or recolour
// it, a tab or line break (U+2028 and U+2029 included) would split the line. Such characters print as "?".
QString printable(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
            || c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph)
            c = QLatin1Char('?');
    return result;
}

QString text(const QByteArray &bytes)
{
    return printable(StoredText(bytes));
}

// A line of a message's text: tabs stay, other control characters print as "?".
QString textLine(const QByteArray &line)
{
    QStringList pieces = StoredText(line).split(QLatin1Char('\t'));
    for (QString &piece : pieces)
        piece = printable(piece);
    return pieces.join(QLatin1Char('\t'));
}

QString sender(const cMailMessage &m)
{
    const QByteArray address = m.SenderAddress();
    if (address.isEmpty() || m.From == address)
        return text(m.From.isEmpty() ? address : m.From);
    return text(m.From) + QStringLiteral(" <") + text(address) + QLatin1Char('>');
}

// "host" or "host:port" into an account's server and port text.
void splitServer(const QString &value, QString *host, QString *port)
{
    const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
    *host = colon < 0 ? value : value.left(colon);
    if (colon >= 0)
        *port = value.mid(colon + 1);
}

// One word of an option that takes a fixed set: "--pop3-security tls".
template<typename E>
struct cChoice
{
    const char *word;
    E value;
};

const cChoice<eVrxSecurity> kSecurityChoices[] = {
    {"none", eVrxSecurity::None}, {"starttls", eVrxSecurity::StartTls}, {"tls", eVrxSecurity::Tls}};
const cChoice<ePop3Login> kPop3LoginChoices[] = {
    {"user", ePop3Login::UserPass}, {"apop", ePop3Login::Apop}, {"sasl", ePop3Login::Sasl}};
const cChoice<eSmtpLogin> kSmtpLoginChoices[] = {
    {"none", eSmtpLogin::None}, {"pop3", eSmtpLogin::SameAsPop3}, {"own", eSmtpLogin::Own}};

// Sets *target from the word; else the misuse text naming the allowed words.
template<typename E, std::size_t N>
QString choose(const cChoice<E> (&choices)[N], const QString &word, E *target)
{
    QStringList allowed;
    for (const cChoice<E> &choice : choices) {
        if (word == QLatin1String(choice.word)) {
            *target = choice.value;
            return {};
        }
        allowed.append(QLatin1String(choice.word));
    }
    return QStringLiteral("takes one of %1, not \"%2\".").arg(allowed.join(QStringLiteral(", ")), word);
}

// A SHA-256 fingerprint as hex, colons allowed, stored in lower case.
QString addFingerprint(cAccount &account, const QString &text)
{
    const QByteArray hex = text.toLatin1().replace(':', QByteArray()).toLower();
    static const QRegularExpression sha256(QStringLiteral("^[0-9a-f]{64}$"));
    if (!sha256.match(QString::fromLatin1(hex)).hasMatch())
        return QStringLiteral("needs a SHA-256 fingerprint of 64 hexadecimal digits, not \"%1\".").arg(text);
    account.trustedCertificates.append(hex);
    return {};
}

// The sign-in replaces the password; the provider table knows where to sign in.
void useProviderSignIn(cAccount &account)
{
    cOAuth2Settings known = cAutoconfig::ProviderOAuth2(account.email);
    known.clientId = account.oAuth2.clientId;
    known.clientSecret = account.oAuth2.clientSecret;
    account.oAuth2 = known;
    account.password.clear();
}

QString setRemoveAfterDays(cAccount &account, const QString &value)
{
    bool ok = false;
    account.removeAfterDays = value.toInt(&ok);
    return ok && account.removeAfterDays >= 1 ? QString() : QStringLiteral("needs a number of days from 1 up.");
}

// Each option that takes a value: it sets the account, or returns why the value is wrong.
using fAccountSetter = std::function<QString(cAccount &account, const QString &value)>;
const std::map<QString, fAccountSetter> kAccountOptions = {
    {QStringLiteral("--email"), [](cAccount &a, const QString &v) { a.email = a.replyAddress = v; return QString(); }},
    {QStringLiteral("--name"), [](cAccount &a, const QString &v) { a.name = v; return QString(); }},
    {QStringLiteral("--smtp"), [](cAccount &a, const QString &v) { splitServer(v, &a.smtpServer, &a.smtpPort); return QString(); }},
    {QStringLiteral("--pop3"), [](cAccount &a, const QString &v) { splitServer(v, &a.pop3Server, &a.pop3Port); return QString(); }},
    {QStringLiteral("--user"), [](cAccount &a, const QString &v) { a.userId = v; return QString(); }},
    {QStringLiteral("--password"), [](cAccount &a, const QString &v) { a.password = v.toUtf8(); return QString(); }},
    {QStringLiteral("--smtp-user"), [](cAccount &a, const QString &v) { a.smtpUserId = v; return QString(); }},
    {QStringLiteral("--smtp-password"), [](cAccount &a, const QString &v) { a.smtpPassword = v.toUtf8(); return QString(); }},
    {QStringLiteral("--remove-after-days"), setRemoveAfterDays},
    {QStringLiteral("--oauth2-client-id"),
     [](cAccount &a, const QString &v) { a.authentication = eAuthentication::OAuth2; a.oAuth2.clientId = v; return QString(); }},
    {QStringLiteral("--oauth2-client-secret"), [](cAccount &a, const QString &v) { a.oAuth2.clientSecret = v; return QString(); }},
    {QStringLiteral("--trust"), addFingerprint},
    {QStringLiteral("--pop3-security"), [](cAccount &a, const QString &v) { return choose(kSecurityChoices, v, &a.pop3Security); }},
    {QStringLiteral("--smtp-security"), [](cAccount &a, const QString &v) { return choose(kSecurityChoices, v, &a.smtpSecurity); }},
    {QStringLiteral("--pop3-login"), [](cAccount &a, const QString &v) { return choose(kPop3LoginChoices, v, &a.pop3Login); }},
    {QStringLiteral("--smtp-login"), [](cAccount &a, const QString &v) { return choose(kSmtpLoginChoices, v, &a.smtpLogin); }},
};

const std::map<QString, std::function<void(cAccount &account)>> kAccountFlags = {
    {QStringLiteral("--leave-mail-on-server"), [](cAccount &a) { a.leaveMailOnServer = true; }},
    {QStringLiteral("--allow-plain-password"), [](cAccount &a) { a.allowPasswordInClear = true; }},
    {QStringLiteral("--keyring"), [](cAccount &a) { a.passwordInKeyring = true; }},
};

} // namespace

cCliCommands::cCliCommands(QTextStream &out, QTextStream &err)
    : OpenBrowser([&out](const QUrl &url) {
          out << "Open this address in your browser to sign in:\n" << url.toString(QUrl::FullyEncoded) << "\n";
          out.flush();
      }),
      fOut(out), fErr(err)
{
}

QString cCliCommands::Usage()
{
    return QStringLiteral("Usage: ravelin-cli COMMAND [ARGUMENTS]\n"
                          "       ravelin-cli --help | --version\n"
                          "  check-mail [ACCOUNT...]          fetch new mail of the accounts (all when none is named) into Inbox\n"
                          "  send-unsent                      send every message of Unsent through the default account\n"
                          "  list FOLDER                      one line per message: file, from, subject, date (tab-separated)\n"
                          "  import FILE... [--folder NAME]   store RFC 822 message files as received mail (default folder Inbox)\n"
                          "  show FILE                        print a stored message (.qrz): its decoded headers, text and attachments\n"
                          "  search QUERY...                  one line per message found in any folder, newest first: folder, file,\n"
                          "                                   date, from, subject (tab-separated). Words and \"phrases\", from: to:\n"
                          "                                   cc: subject: body: folder: has:attachment is:unread is:read\n"
                          "                                   before:/after:YYYY-MM-DD, AND OR NOT ( ), word*\n"
                          "  add-account NAME --email ADDRESS --smtp HOST[:PORT] --pop3 HOST[:PORT] --user USER --password PASSWORD\n"
                          "              [--name DISPLAY-NAME] [--default] [--leave-mail-on-server [--remove-after-days N]]\n"
                          "              [--pop3-security none|starttls|tls] [--smtp-security none|starttls|tls]\n"
                          "              [--pop3-login user|apop|sasl] [--smtp-login none|pop3|own [--smtp-user USER --smtp-password PASSWORD]]\n"
                          "              [--allow-plain-password] [--trust SHA256-FINGERPRINT]... [--keyring]\n"
                          "              [--oauth2-client-id ID [--oauth2-client-secret SECRET]]\n"
                          "                                   write (or overwrite) an account; ports default to 995/465 with tls.\n"
                          "                                   A password crosses an unencrypted connection only with\n"
                          "                                   --allow-plain-password; --trust accepts that one server certificate;\n"
                          "                                   --keyring keeps the passwords in the desktop keyring;\n"
                          "                                   --oauth2-client-id signs in with OAuth2 (see sign-in) instead of a password\n")
           + cAutoAccountCommand::Usage() + cSignInCommand::Usage() + cIdentityCommands::Usage() + cRuleCommands::Usage() + QStringLiteral("Settings are read from RAVELIN_CONFIG_DIR when it is set.\n");
}

int cCliCommands::Run(const QStringList &arguments)
{
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("check-mail"))
        return CheckMail(rest);
    if (command == QLatin1String("send-unsent"))
        return rest.isEmpty() ? SendUnsent() : Misuse(QStringLiteral("send-unsent takes no arguments."));
    if (command == QLatin1String("list"))
        return rest.size() == 1 ? List(rest.first()) : Misuse(QStringLiteral("list needs exactly one folder name."));
    if (command == QLatin1String("import")) {
        QStringList files = rest;
        QString folder = FolderName(eFolderKind::Inbox);
        const qsizetype option = files.indexOf(QStringLiteral("--folder"));
        if (option >= 0) {
            if (option + 1 >= files.size())
                return Misuse(QStringLiteral("--folder needs a folder name."));
            folder = files.at(option + 1);
            files.remove(option, 2);
        }
        return files.isEmpty() ? Misuse(QStringLiteral("import needs at least one file.")) : Import(files, folder);
    }
    if (command == QLatin1String("show"))
        return rest.size() == 1 ? Show(rest.first()) : Misuse(QStringLiteral("show needs exactly one message file."));
    if (command == QLatin1String("search"))
        return rest.isEmpty() ? Misuse(QStringLiteral("search needs a query.")) : Search(rest.join(QLatin1Char(' ')));
    if (command == QLatin1String("add-account"))
        return rest.contains(QStringLiteral("--auto")) ? cAutoAccountCommand(*this).Run(rest) : AddAccount(rest);
    if (command == QLatin1String("sign-in"))
        return rest.size() == 1 ? cSignInCommand(*this).Run(rest.first())
                                : Misuse(QStringLiteral("sign-in needs exactly one account name."));
    if (command == QLatin1String("identity"))
        return cIdentityCommands(*this).Run(rest);
    if (command == QLatin1String("rule"))
        return cRuleCommands(*this).Rule(rest);
    if (command == QLatin1String("junk"))
        return cRuleCommands(*this).Junk(rest);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        fOut << Usage();
        return 0;
    }
    if (command == QLatin1String("--version")) {
        fOut << "ravelin-cli " RAVELIN_VERSION "\n";
        return 0;
    }
    return Misuse(command.isEmpty() ? QStringLiteral("No command given.")
                                    : QStringLiteral("Unknown command \"%1\".").arg(command));
}

int cCliCommands::Misuse(const QString &message)
{
    fErr << "ravelin-cli: " << message << "\n" << Usage();
    return 2;
}

bool cCliCommands::StorageReady()
{
    QString failed;
    if (InitMailStorage(&failed))
        return true;
    if (failed.isEmpty())
        fErr << "ravelin-cli: no mail folder is set up in \"" << OptionsFilePath()
             << "\"; start Ravelin once to choose one.\n";
    else
        fErr << "ravelin-cli: cannot create the mail folder \"" << failed << "\".\n";
    return false;
}

bool cCliCommands::RunSession(cSessionEngine &session)
{
    QEventLoop loop;
    QObject::connect(&session, &cSessionEngine::Finished, &loop, &QEventLoop::quit);
    QObject::connect(&session, &cSessionEngine::ErrorAdded, &loop, [this](const QString &error) {
        fErr << "ravelin-cli: " << error << "\n";
        fErr.flush();
    });
    loop.exec();
    return session.Errors().isEmpty();
}

bool cCliCommands::FolderExists(const QString &folder)
{
    if (fStore.Folders().contains(folder, Qt::CaseInsensitive))
        return true;
    fErr << "ravelin-cli: there is no mail folder \"" << folder << "\" in \"" << MailFolderRoot() << "\".\n";
    return false;
}

int cCliCommands::CheckMail(const QStringList &accounts)
{
    if (!StorageReady())
        return 1;
    const QStringList names = accounts.isEmpty() ? cAccountStore::AccountNames() : accounts;
    if (names.isEmpty()) {
        fErr << "ravelin-cli: there is no mail account in \"" << AccountsFilePath() << "\".\n";
        return 1;
    }
    cGetSession session(names);
    QObject::connect(&session, &cGetSession::MessageStored, &session, [this](const QString &path) {
        fOut << "stored " << path << "\n";
        fOut.flush();
    });
    session.Start();
    const bool clean = RunSession(session);
    fOut << session.Total() << " new message(s)\n";
    return clean && !session.StoppedEarly() ? 0 : 1;
}

int cCliCommands::SendUnsent()
{
    if (!StorageReady())
        return 1;
    const QList<cMessageRef> unsent = fStore.Messages(FolderName(eFolderKind::Unsent));
    if (unsent.isEmpty()) {
        fOut << "No unsent messages.\n";
        return 0;
    }
    cSendSession session(fStore, cAccountStore::GetDefaultAccountName());
    QObject::connect(&session, &cSendSession::MessageSent, &session, [this](const cMessageRef &sent) {
        fOut << "sent " << fStore.FileOf(sent) << "\n";
        fOut.flush();
    });
    session.Start(unsent);
    return RunSession(session) ? 0 : 1;
}

int cCliCommands::List(const QString &folder)
{
    if (!StorageReady() || !FolderExists(folder))
        return 1;
    const bool recipients = HoldsOutgoingMail(cMailStore::KindOf(folder));
    for (const cStoredEntry &listed : fStore.List(folder)) {
        const cIndexEntry &m = listed.entry;
        fOut << printable(listed.ref.key) << '\t' << text(recipients ? m.To : m.From) << '\t' << text(m.Subject) << '\t'
             << text(m.DateTime) << '\n';
    }
    return 0;
}

int cCliCommands::Import(const QStringList &files, const QString &folder)
{
    if (!StorageReady() || !FolderExists(folder))
        return 1;
    int failures = 0;
    for (const QString &file : files) {
        QFile source(file);
        if (!source.open(QIODevice::ReadOnly)) {
            fErr << "ravelin-cli: cannot import \"" << file << "\": " << source.errorString() << "\n";
            ++failures;
            continue;
        }
        const cResultOf<cIncomingStore::cStored> stored = cIncomingStore::Store(source.readAll(), QString(), folder);
        if (!stored) {
            fErr << "ravelin-cli: cannot import \"" << file << "\": " << stored.text() << "\n";
            ++failures;
            continue;
        }
        fOut << "stored " << stored.value().path << "\n";
        if (const QString note = cIncomingStore::LeftOutText(stored.value()); !note.isEmpty())
            fErr << "ravelin-cli: " << note << "\n";
    }
    return failures == 0 ? 0 : 1;
}

int cCliCommands::AddAccount(const QStringList &arguments)
{
    if (arguments.isEmpty() || arguments.first().startsWith(QLatin1String("--")))
        return Misuse(QStringLiteral("add-account needs an account name."));
    cAccount account;
    account.section = arguments.first();
    // An account made here says so itself when a password may cross the network unencrypted.
    account.allowPasswordInClear = false;
    account.pop3Port.clear();
    account.smtpPort.clear();
    bool makeDefault = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        if (option == QLatin1String("--default")) {
            makeDefault = true;
            continue;
        }
        if (const auto flag = kAccountFlags.find(option); flag != kAccountFlags.end()) {
            flag->second(account);
            continue;
        }
        const auto setter = kAccountOptions.find(option);
        if (setter == kAccountOptions.end())
            return Misuse(QStringLiteral("Unknown option \"%1\".").arg(option));
        if (i + 1 >= arguments.size())
            return Misuse(QStringLiteral("%1 needs a value.").arg(option));
        if (const QString wrong = setter->second(account, arguments.at(++i)); !wrong.isEmpty())
            return Misuse(option + QLatin1Char(' ') + wrong);
    }
    if (account.UsesOAuth2())
        useProviderSignIn(account);
    // Without a port the usual one for the security chosen.
    if (account.pop3Port.isEmpty())
        account.pop3Port = QString::number(account.Pop3PortNumber());
    if (account.smtpPort.isEmpty())
        account.smtpPort = QString::number(account.SmtpPortNumber());
    cResult written = cAccountStore::WriteAccount(account);
    if (written && makeDefault)
        written = cAccountStore::SetDefaultAccountName(account.section);
    if (written)
        return 0;
    fErr << "ravelin-cli: " << written.text() << "\n";
    return 1;
}

int cCliCommands::Show(const QString &file)
{
    cMailMessage m;
    if (const cResult read = m.ReadFile(file); !read) {
        fErr << "ravelin-cli: " << read.text() << "\n";
        return 1;
    }
    const QByteArray date = HeaderField(m.headerLines, "Date");
    fOut << "From: " << sender(m) << '\n' << "To: " << text(m.To) << '\n';
    if (!m.CC.isEmpty())
        fOut << "CC: " << text(m.CC) << '\n';
    fOut << "Date: " << text(date.isEmpty() ? m.DateTime : date) << '\n' << "Subject: " << text(m.Subject) << "\n\n";
    for (const QByteArray &line : m.body)
        fOut << textLine(line) << '\n';
    for (const QString &attachment : m.attachments)
        fOut << "Attachment: " << printable(attachment) << '\n';
    return 0;
}

int cCliCommands::Search(const QString &query)
{
    const cResultOf<cSearchQuery> parsed = cSearchQuery::Parse(query);
    if (!parsed)
        return Misuse(parsed.text());
    if (!StorageReady())
        return 1;
    cSearchIndex index;
    cResult ready = index.Open();
    if (ready)
        ready = index.Update(fStore);
    const cResultOf<std::vector<cSearchHit>> found = ready ? index.Find(parsed.value()) : ready;
    std::vector<cSearchHit> hits = found.value();
    ready = found ? index.Describe(hits) : found.result();
    if (!ready) {
        fErr << "ravelin-cli: " << ready.text() << "\n";
        return 1;
    }
    for (const cSearchHit &hit : hits)
        fOut << printable(hit.folder) << '\t' << printable(hit.path) << '\t' << printable(hit.dateText) << '\t'
             << printable(hit.sender) << '\t' << printable(hit.subject) << '\n';
    return 0;
}
