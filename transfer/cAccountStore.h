// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The accounts file, one section per account, and the default account kept in the options
// file. Nothing is held in memory: every call reads or writes the files, so a change made in a
// dialog is seen by the next session. Names of accounts compare without regard to case.
#include "storage/cResult.h"
#include "transfer/cAccount.h"

#include <QStringList>

class cAccountStore
{
public:
    static bool AccountsExist();
    static QStringList AccountNames();
    // An account that keeps its passwords in the desktop keyring has them read from there; when
    // the keyring cannot be read they stay empty and *keyring says why.
    static cAccount ReadAccount(const QString &section, cResult *keyring = nullptr);

    // The properties dialog writes all its keys (the eleven of old, then
    // RemoveFromServerAfterDays), the wizard the nine it has (in their order) and leaves
    // Organisation, LeaveMailOnServer and RemoveFromServerAfterDays as they were. Both then
    // write the keys of security and login (POP3Security, SMTPSecurity, POP3Login, SMTPLogin,
    // SMTPUserID, SMTPPassword, AllowPasswordInClear, TrustedCertificates, PasswordInKeyring,
    // and for an account that uses OAuth2 Authentication and the OAuth2... keys);
    // a file without them reads as plain connections with today's logins.
    // With passwordInKeyring the passwords go to the desktop keyring and the file gets empty
    // ones; a keyring that refuses them fails the write and leaves the file as it was. Turning
    // the option off writes them back into the file and clears the keyring. Deleting and
    // renaming take the keyring entries along. The file is kept private (0600).
    static cResult WriteAccount(const cAccount &account);
    static cResult WriteNewAccount(const cAccount &account, bool makeDefault);
    static cResult DeleteAccount(const QString &section);
    // Adds one certificate's fingerprint to the account's trusted ones, writing that key alone:
    // a keyring that cannot be read now must not cost the stored passwords.
    static cResult TrustCertificate(const QString &section, const QByteArray &fingerprint);
    // Stores an OAuth2 sign-in's tokens (cOAuth2Tokens::ToSecret) where the account keeps its
    // password, writing nothing else; an account not in the file yet is left to its first save.
    static cResult StoreSignIn(const QString &section, const QByteArray &secret);
    // Replaces the identities past the account's own, writing their keys alone (the keyring is
    // not asked).
    static cResult WriteIdentities(const QString &section, const QList<cIdentity> &identities);
    // Renames the section and keeps the default account the default under its new name.
    static cResult RenameAccount(const QString &oldSection, const QString &newSection);
    // Whether a name, as a section header, reads back as itself and cannot break the file: no
    // line break, no "]", no blanks around it. The dialogs check typed names with it.
    static bool IsStorableAccountName(const QString &name);

    static QString GetDefaultAccountName();
    static cResult SetDefaultAccountName(const QString &section);
    static bool IsDefaultAccount(const QString &section);
    // The sender text of a new message: "name <address>" of the default account, or of the
    // first account with a name when the default names none.
    static QString DefaultSenderLine();
    // "Name <address>" of one account.
    static QString SenderLineOf(const QString &section);
    // The account's own identity, then its others; read without touching the keyring.
    static QList<cIdentity> IdentitiesOf(const QString &section);
    // Every account's address and reply address: the user's own, which Reply all leaves out.
    static QStringList OwnAddresses();

    // The Password value as stored: scrambled bytes, kept raw when an INI line carries them
    // unchanged, else in an escaped form, so every password round-trips.
    static QByteArray StoredPassword(const QByteArray &plain);
    static QByteArray PlainPassword(const QByteArray &stored);

private:
    // The section's keys alone: the keyring is not asked.
    static cAccount ReadAccountKeys(const QString &section);
    static cResult WriteAccountKeys(const cAccount &account);
    static cResult WriteNewAccountKeys(const cAccount &account);
};
