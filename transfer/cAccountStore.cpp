// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cAccountStore.h"

#include "storage/PrivateFiles.h"
#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"
#include "storage/cOptions.h"
#include "transfer/cPasswordKeyring.h"
#include "transfer/unitEncryptSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <functional>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cAccountStore)
};

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

// An account whose passwords live in the keyring keeps none in the file.
QByteArray passwordInFile(const cAccount &account, const QByteArray &password)
{
    return account.passwordInKeyring ? QByteArray() : cAccountStore::StoredPassword(password);
}

// "Identity2EMail": the keys of the identities past the account's own, counted from 1.
QByteArray identityKey(qsizetype index, const char *field)
{
    return "Identity" + QByteArray::number(index + 1) + field;
}

struct cKeyWriter
{
    cIniFile file;
    QString section;
    bool ok = true;

    void put(const QByteArray &key, const QByteArray &value)
    {
        ok = ok && file.writeBytes(section, key, value);
    }
    void put(const QByteArray &key, const QString &value) { put(key, value.toUtf8()); }
    void put(const QByteArray &key, bool value) { put(key, value ? QByteArrayLiteral("1") : QByteArrayLiteral("0")); }
    template<typename E>
        requires std::is_enum_v<E>
    void put(const QByteArray &key, E value)
    {
        put(key, QByteArray::number(static_cast<int>(value)));
    }

    // Keys past the count of a longer list written before are never read again. An account
    // that never had identities keeps its section as it was.
    void putIdentities(const QList<cIdentity> &identities)
    {
        if (identities.isEmpty() && file.readBytes(section, "IdentityCount").isEmpty())
            return;
        put("IdentityCount", QByteArray::number(identities.size()));
        for (qsizetype i = 0; i < identities.size(); ++i) {
            const cIdentity &identity = identities.at(i);
            put(identityKey(i, "Name"), identity.name);
            put(identityKey(i, "EMail"), identity.email);
            put(identityKey(i, "ReplyAddress"), identity.replyAddress);
            put(identityKey(i, "Organisation"), identity.organisation);
            put(identityKey(i, "Signature"), identity.signature);
        }
    }

    // The keys of secure connections and logins, which both dialogs show.
    void putSecurity(const cAccount &account)
    {
        put("POP3Security", account.pop3Security);
        put("SMTPSecurity", account.smtpSecurity);
        put("POP3Login", account.pop3Login);
        put("SMTPLogin", account.smtpLogin);
        put("SMTPUserID", account.smtpUserId);
        put("SMTPPassword", passwordInFile(account, account.smtpPassword));
        put("AllowPasswordInClear", account.allowPasswordInClear);
        put("TrustedCertificates", account.trustedCertificates.join(','));
        put("PasswordInKeyring", account.passwordInKeyring);
        putOAuth2(account);
    }

    void putOAuth2(const cAccount &account)
    {
        // Accounts that never signed in with OAuth2 keep their section as it was.
        if (!account.UsesOAuth2() && account.oAuth2 == cOAuth2Settings{} && file.readBytes(section, "Authentication").isEmpty())
            return;
        put("Authentication", account.authentication);
        put("OAuth2AuthURL", account.oAuth2.authUrl);
        put("OAuth2TokenURL", account.oAuth2.tokenUrl);
        put("OAuth2RevokeURL", account.oAuth2.revokeUrl);
        put("OAuth2Scope", account.oAuth2.scope);
        put("OAuth2ClientID", account.oAuth2.clientId);
        put("OAuth2ClientSecret", account.oAuth2.clientSecret);
    }

    cResult finish() const
    {
        return ok ? cResult::Ok() : cResult::Failed(eFailure::FileSystem, file.errorString());
    }
};

QString senderLine(const cAccount &account)
{
    return account.Identities().first().SenderLine();
}

QList<cIdentity> readIdentities(const cIniSection &keys)
{
    QList<cIdentity> identities;
    const int count = std::max(0, keys.integer("IdentityCount", 0));
    for (int i = 0; i < count; ++i)
        identities.append({keys.text(identityKey(i, "Name")), keys.text(identityKey(i, "EMail")),
                           keys.text(identityKey(i, "ReplyAddress")), keys.text(identityKey(i, "Organisation")),
                           keys.text(identityKey(i, "Signature"))});
    return identities;
}

// The file holds passwords: a mode made wider by hand or by an older version is narrowed before
// the write, which keeps the mode of the file it replaces.
void keepFilePrivate()
{
    const QString path = AccountsFilePath();
    if (QFileInfo::exists(path))
        (void)QFile::setPermissions(path, kPrivateFileMode);
}

// The section as the file spells it, so the keyring entries keep one name however it is typed.
QString storedSection(const QString &section)
{
    for (const QString &name : cAccountStore::AccountNames())
        if (name.compare(section, Qt::CaseInsensitive) == 0)
            return name;
    return section;
}

bool keyringInFile(const QString &section)
{
    return cIniFile(AccountsFilePath()).readBool(section, "PasswordInKeyring", false);
}

cResult fillFromKeyring(cAccount &account)
{
    const cResultOf<cAccountSecrets> secrets = cPasswordKeyring::Read(storedSection(account.section));
    if (!secrets)
        return cResult::Failed(secrets.cause(),
                               cTexts::tr("The password of account %1 could not be read from the desktop keyring: %2")
                                   .arg(account.section, secrets.text()));
    account.password = secrets.value().pop3;
    account.smtpPassword = secrets.value().smtp;
    return cResult::Ok();
}

cResult storeInKeyring(const cAccount &account)
{
    const cResult stored = cPasswordKeyring::Write(storedSection(account.section), {account.password, account.smtpPassword});
    if (stored)
        return stored;
    return cResult::Failed(stored.cause(), cTexts::tr("The passwords of account %1 could not be stored in the desktop keyring: %2")
                                               .arg(account.section, stored.text()));
}

cResult eraseFromKeyring(const QString &section, const QString &done)
{
    const cResult erased = cPasswordKeyring::Erase(section);
    if (erased)
        return erased;
    return cResult::Failed(erased.cause(), cTexts::tr("%1, but its passwords could not be removed from the desktop keyring: %2")
                                               .arg(done, erased.text()));
}

// The keyring is asked first, so a keyring that refuses leaves the file as it was; passwords
// that moved back into the file leave the keyring afterwards.
cResult writeWithSecrets(const cAccount &account, const std::function<cResult()> &writeFile)
{
    keepFilePrivate();
    const bool wereInKeyring = keyringInFile(account.section);
    if (account.passwordInKeyring)
        if (cResult stored = storeInKeyring(account); !stored)
            return stored;
    cResult written = writeFile();
    if (written && wereInKeyring && !account.passwordInKeyring)
        written = eraseFromKeyring(storedSection(account.section),
                                   cTexts::tr("Account %1 was saved with its passwords").arg(account.section));
    return written;
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

cAccount cAccountStore::ReadAccount(const QString &section, cResult *keyring)
{
    cAccount account = ReadAccountKeys(section);
    if (account.passwordInKeyring) {
        const cResult read = fillFromKeyring(account);
        if (keyring)
            *keyring = read;
    }
    return account;
}

cAccount cAccountStore::ReadAccountKeys(const QString &section)
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
    account.identities = readIdentities(keys);
    account.authentication = enumKey(keys, "Authentication", eAuthentication::OAuth2);
    account.oAuth2 = {keys.text("OAuth2AuthURL"), keys.text("OAuth2TokenURL"), keys.text("OAuth2RevokeURL"),
                      keys.text("OAuth2Scope"),   keys.text("OAuth2ClientID"), keys.text("OAuth2ClientSecret")};
    return account;
}

cResult cAccountStore::WriteAccount(const cAccount &account)
{
    return writeWithSecrets(account, [&account] { return WriteAccountKeys(account); });
}

cResult cAccountStore::WriteAccountKeys(const cAccount &account)
{
    cKeyWriter writer{cIniFile(AccountsFilePath()), account.section};
    writer.put("name", account.name);
    writer.put("email", account.email);
    writer.put("ReplyAddress", account.replyAddress);
    writer.put("Organisation", account.organisation);
    writer.put("pop3Server", account.pop3Server);
    writer.put("smtpServer", account.smtpServer);
    writer.put("UserID", account.userId);
    writer.put("Password", passwordInFile(account, account.password));
    writer.put("POP3Port", account.pop3Port);
    writer.put("SMTPPort", account.smtpPort);
    writer.put("LeaveMailOnServer", account.leaveMailOnServer);
    writer.put("RemoveFromServerAfterDays", QByteArray::number(account.removeAfterDays));
    writer.putSecurity(account);
    writer.putIdentities(account.identities);
    return writer.finish();
}

cResult cAccountStore::WriteNewAccount(const cAccount &account, bool makeDefault)
{
    cResult written = writeWithSecrets(account, [&account] { return WriteNewAccountKeys(account); });
    if (written && makeDefault)
        written = SetDefaultAccountName(account.section);
    return written;
}

cResult cAccountStore::WriteNewAccountKeys(const cAccount &account)
{
    cKeyWriter writer{cIniFile(AccountsFilePath()), account.section};
    writer.put("name", account.name);
    writer.put("email", account.email);
    writer.put("ReplyAddress", account.email);
    writer.put("UserID", account.userId);
    writer.put("Password", passwordInFile(account, account.password));
    writer.put("pop3Server", account.pop3Server);
    writer.put("smtpServer", account.smtpServer);
    writer.put("POP3Port", account.pop3Port);
    writer.put("SMTPPort", account.smtpPort);
    writer.putSecurity(account);
    return writer.finish();
}

cResult cAccountStore::TrustCertificate(const QString &section, const QByteArray &fingerprint)
{
    if (!AccountNames().contains(section, Qt::CaseInsensitive))
        return cResult::Failed(eFailure::Refused,
                               cTexts::tr("The account \"%1\" no longer exists; the certificate was not trusted.").arg(section));
    static const QRegularExpression sha256Hex(QStringLiteral("^[0-9a-f]{64}$"));
    if (!sha256Hex.match(QString::fromLatin1(fingerprint)).hasMatch())
        return cResult::Failed(eFailure::Format, cTexts::tr("\"%1\" is not a SHA-256 fingerprint; the certificate was not trusted.")
                                                     .arg(QString::fromLatin1(fingerprint.left(80))));
    QList<QByteArray> trusted = ReadAccountKeys(section).trustedCertificates;
    if (trusted.contains(fingerprint))
        return cResult::Ok();
    trusted.append(fingerprint);
    cKeyWriter writer{cIniFile(AccountsFilePath()), section};
    writer.put("TrustedCertificates", trusted.join(','));
    return writer.finish();
}

cResult cAccountStore::WriteIdentities(const QString &section, const QList<cIdentity> &identities)
{
    if (!AccountNames().contains(section, Qt::CaseInsensitive))
        return cResult::Failed(eFailure::Refused, cTexts::tr("There is no account \"%1\".").arg(section));
    keepFilePrivate();
    cKeyWriter writer{cIniFile(AccountsFilePath()), storedSection(section)};
    writer.putIdentities(identities);
    return writer.finish();
}

cResult cAccountStore::StoreSignIn(const QString &section, const QByteArray &secret)
{
    // An account not saved yet takes its tokens along when it is.
    if (!AccountNames().contains(section, Qt::CaseInsensitive))
        return cResult::Ok();
    const QString stored = storedSection(section);
    if (!keyringInFile(section)) {
        keepFilePrivate();
        cKeyWriter writer{cIniFile(AccountsFilePath()), stored};
        writer.put("Password", StoredPassword(secret));
        return writer.finish();
    }
    const cResultOf<cAccountSecrets> secrets = cPasswordKeyring::Read(stored);
    const cResult written =
        secrets ? cPasswordKeyring::Write(stored, {secret, secrets.value().smtp}) : secrets.result();
    if (written)
        return written;
    return cResult::Failed(written.cause(), cTexts::tr("The sign-in of account %1 could not be stored in the desktop keyring: %2")
                                                .arg(section, written.text()));
}

cResult cAccountStore::DeleteAccount(const QString &section)
{
    keepFilePrivate();
    const bool inKeyring = keyringInFile(section);
    const QString stored = storedSection(section);
    cIniFile file(AccountsFilePath());
    if (!file.eraseSection(section))
        return cResult::Failed(eFailure::FileSystem, file.errorString());
    if (inKeyring)
        return eraseFromKeyring(stored, cTexts::tr("Account %1 was deleted").arg(section));
    return cResult::Ok();
}

cResult cAccountStore::RenameAccount(const QString &oldSection, const QString &newSection)
{
    keepFilePrivate();
    const bool wasDefault = IsDefaultAccount(oldSection);
    const bool inKeyring = keyringInFile(oldSection);
    const QString stored = storedSection(oldSection);
    if (inKeyring)
        if (const cResult moved = cPasswordKeyring::Move(stored, newSection); !moved)
            return cResult::Failed(moved.cause(), cTexts::tr("Account %1 was not renamed: its passwords could not be moved in the desktop keyring: %2")
                                                      .arg(oldSection, moved.text()));
    cResult renamed = RenameIniSection(AccountsFilePath(), oldSection, newSection);
    if (!renamed && inKeyring)
        (void)cPasswordKeyring::Move(newSection, stored);
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
        return senderLine(ReadAccountKeys(defaultName));
    for (const QString &section : file.readSections()) {
        const cAccount account = ReadAccountKeys(section);
        if (!account.name.isEmpty())
            return senderLine(account);
    }
    return {};
}

QString cAccountStore::SenderLineOf(const QString &section)
{
    return senderLine(ReadAccountKeys(section));
}

QList<cIdentity> cAccountStore::IdentitiesOf(const QString &section)
{
    return ReadAccountKeys(section).Identities();
}

QStringList cAccountStore::OwnAddresses()
{
    QStringList addresses;
    for (const QString &section : AccountNames()) {
        const cAccount account = ReadAccountKeys(section);
        addresses << account.email << account.replyAddress;
    }
    addresses.removeAll(QString());
    return addresses;
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
