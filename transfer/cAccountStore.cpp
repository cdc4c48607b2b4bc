#include "transfer/cAccountStore.h"

#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"
#include "storage/cOptions.h"
#include "transfer/unitEncryptSupport.h"

namespace {

// Marks a stored password that is hex-escaped because its raw bytes would not survive a line.
const QByteArray kEscapeMark = QByteArrayLiteral("~hex:");

bool survivesAnIniLine(const QByteArray &value)
{
    static const QByteArray trimmedAway = QByteArrayLiteral(" \t\v\f\r\n\"'");
    if (value.isEmpty())
        return true;
    return !value.contains('\0') && !value.contains('\r') && !value.contains('\n')
           && !trimmedAway.contains(value.front()) && !trimmedAway.contains(value.back())
           && !value.startsWith(kEscapeMark);
}

QString defaultIfMissing(const cIniSection &section, const char *key, const QString &def)
{
    return section.contains(key) ? section.text(key) : def;
}

// An enumeration stored as its number; numbers it does not know read as the default.
template<typename E>
E enumKey(const cIniSection &section, const char *key, E highest)
{
    const int value = section.integer(key, 0);
    return value >= 0 && value <= static_cast<int>(highest) ? static_cast<E>(value) : E{};
}

QList<QByteArray> fingerprintList(const QByteArray &value)
{
    QList<QByteArray> prints;
    for (const QByteArray &print : value.split(','))
        if (!print.trimmed().isEmpty())
            prints.append(print.trimmed().toLower());
    return prints;
}

struct cKeyWriter
{
    cIniFile file;
    QString section;
    bool ok = true;

    void put(const char *key, const QByteArray &value)
    {
        ok = ok && file.writeBytes(section, key, value);
    }
    void put(const char *key, const QString &value) { put(key, value.toUtf8()); }
    void put(const char *key, bool value) { put(key, value ? QByteArrayLiteral("1") : QByteArrayLiteral("0")); }
    template<typename E>
        requires std::is_enum_v<E>
    void put(const char *key, E value)
    {
        put(key, QByteArray::number(static_cast<int>(value)));
    }

    // The keys of secure connections and logins, which both dialogs show.
    void putSecurity(const cAccount &account)
    {
        put("POP3Security", account.pop3Security);
        put("SMTPSecurity", account.smtpSecurity);
        put("POP3Login", account.pop3Login);
        put("SMTPLogin", account.smtpLogin);
        put("SMTPUserID", account.smtpUserId);
        put("SMTPPassword", cAccountStore::StoredPassword(account.smtpPassword));
        put("AllowPasswordInClear", account.allowPasswordInClear);
        put("TrustedCertificates", account.trustedCertificates.join(','));
        put("PasswordInKeyring", account.passwordInKeyring);
    }

    cResult finish() const
    {
        return ok ? cResult::Ok() : cResult::Failed(eFailure::FileSystem, file.errorString());
    }
};

QString senderLine(const cAccount &account)
{
    const QString name = account.name.isEmpty() ? QStringLiteral("Ravelin User") : account.name;
    const QString address = account.ShownAddress();
    return address.isEmpty() ? name : name + QStringLiteral(" <") + address + QLatin1Char('>');
}

} // namespace

bool cAccountStore::AccountsExist()
{
    return !AccountNames().isEmpty();
}

QStringList cAccountStore::AccountNames()
{
    return cIniFile(AccountsFilePath()).readSections();
}

cAccount cAccountStore::ReadAccount(const QString &section)
{
    const cIniSection keys = cIniFile(AccountsFilePath()).readSection(section);
    cAccount account;
    account.section = section;
    account.name = keys.text("name");
    account.email = keys.text("email");
    account.replyAddress = keys.text("ReplyAddress");
    account.organisation = keys.text("Organisation");
    account.pop3Server = keys.text("pop3Server");
    account.smtpServer = keys.text("smtpServer");
    account.userId = keys.text("UserID");
    account.password = PlainPassword(keys.value("Password"));
    account.pop3Port = defaultIfMissing(keys, "POP3Port", account.pop3Port);
    account.smtpPort = defaultIfMissing(keys, "SMTPPort", account.smtpPort);
    account.leaveMailOnServer = keys.boolean("LeaveMailOnServer", false);
    account.removeAfterDays = std::max(0, keys.integer("RemoveFromServerAfterDays", 0));
    account.pop3Security = enumKey(keys, "POP3Security", eVrxSecurity::Tls);
    account.smtpSecurity = enumKey(keys, "SMTPSecurity", eVrxSecurity::Tls);
    account.pop3Login = enumKey(keys, "POP3Login", ePop3Login::Sasl);
    account.smtpLogin = enumKey(keys, "SMTPLogin", eSmtpLogin::Own);
    account.smtpUserId = keys.text("SMTPUserID");
    account.smtpPassword = PlainPassword(keys.value("SMTPPassword"));
    account.allowPasswordInClear = keys.boolean("AllowPasswordInClear", true);
    account.trustedCertificates = fingerprintList(keys.value("TrustedCertificates"));
    account.passwordInKeyring = keys.boolean("PasswordInKeyring", false);
    return account;
}

cResult cAccountStore::WriteAccount(const cAccount &account)
{
    cKeyWriter writer{cIniFile(AccountsFilePath()), account.section};
    writer.put("name", account.name);
    writer.put("email", account.email);
    writer.put("ReplyAddress", account.replyAddress);
    writer.put("Organisation", account.organisation);
    writer.put("pop3Server", account.pop3Server);
    writer.put("smtpServer", account.smtpServer);
    writer.put("UserID", account.userId);
    writer.put("Password", StoredPassword(account.password));
    writer.put("POP3Port", account.pop3Port);
    writer.put("SMTPPort", account.smtpPort);
    writer.put("LeaveMailOnServer", account.leaveMailOnServer);
    writer.put("RemoveFromServerAfterDays", QByteArray::number(account.removeAfterDays));
    writer.putSecurity(account);
    return writer.finish();
}

cResult cAccountStore::WriteNewAccount(const cAccount &account, bool makeDefault)
{
    cKeyWriter writer{cIniFile(AccountsFilePath()), account.section};
    writer.put("name", account.name);
    writer.put("email", account.email);
    writer.put("ReplyAddress", account.email);
    writer.put("UserID", account.userId);
    writer.put("Password", StoredPassword(account.password));
    writer.put("pop3Server", account.pop3Server);
    writer.put("smtpServer", account.smtpServer);
    writer.put("POP3Port", account.pop3Port);
    writer.put("SMTPPort", account.smtpPort);
    writer.putSecurity(account);
    cResult written = writer.finish();
    if (written && makeDefault)
        written = SetDefaultAccountName(account.section);
    return written;
}

cResult cAccountStore::DeleteAccount(const QString &section)
{
    cIniFile file(AccountsFilePath());
    if (file.eraseSection(section))
        return cResult::Ok();
    return cResult::Failed(eFailure::FileSystem, file.errorString());
}

cResult cAccountStore::RenameAccount(const QString &oldSection, const QString &newSection)
{
    const bool wasDefault = IsDefaultAccount(oldSection);
    cResult renamed = RenameIniSection(AccountsFilePath(), oldSection, newSection);
    if (renamed && wasDefault)
        renamed = SetDefaultAccountName(newSection);
    return renamed;
}

bool cAccountStore::IsStorableAccountName(const QString &name)
{
    return name == name.trimmed() && !name.contains(QLatin1Char(']')) && !name.contains(QLatin1Char('\n'))
           && !name.contains(QLatin1Char('\r'));
}

QString cAccountStore::GetDefaultAccountName()
{
    return cOptions::read(Opt::DefAccount);
}

cResult cAccountStore::SetDefaultAccountName(const QString &section)
{
    return cOptions::write(Opt::DefAccount, section);
}

bool cAccountStore::IsDefaultAccount(const QString &section)
{
    return GetDefaultAccountName().toLower() == section.toLower();
}

QString cAccountStore::DefaultSenderLine()
{
    const cIniFile file(AccountsFilePath());
    const QString defaultName = GetDefaultAccountName();
    if (file.sectionExists(defaultName))
        return senderLine(ReadAccount(defaultName));
    for (const QString &section : file.readSections()) {
        const cAccount account = ReadAccount(section);
        if (!account.name.isEmpty())
            return senderLine(account);
    }
    return {};
}

QByteArray cAccountStore::StoredPassword(const QByteArray &plain)
{
    const QByteArray scrambled = ScrambleText(plain);
    return survivesAnIniLine(scrambled) ? scrambled : kEscapeMark + scrambled.toHex();
}

QByteArray cAccountStore::PlainPassword(const QByteArray &stored)
{
    if (stored.startsWith(kEscapeMark))
        return UnscrambleText(QByteArray::fromHex(stored.mid(kEscapeMark.size())));
    return UnscrambleText(stored);
}
