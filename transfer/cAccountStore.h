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
    static cAccount ReadAccount(const QString &section);

    // The properties dialog writes all its keys (the eleven of old, then
    // RemoveFromServerAfterDays), the wizard the nine it has (in their order) and leaves
    // Organisation, LeaveMailOnServer and RemoveFromServerAfterDays as they were. Both then
    // write the keys of security and login (POP3Security, SMTPSecurity, POP3Login, SMTPLogin,
    // SMTPUserID, SMTPPassword, AllowPasswordInClear, TrustedCertificates, PasswordInKeyring);
    // a file without them reads as plain connections with today's logins.
    static cResult WriteAccount(const cAccount &account);
    static cResult WriteNewAccount(const cAccount &account, bool makeDefault);
    static cResult DeleteAccount(const QString &section);
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

    // The Password value as stored: scrambled bytes, kept raw when an INI line carries them
    // unchanged, else in an escaped form, so every password round-trips.
    static QByteArray StoredPassword(const QByteArray &plain);
    static QByteArray PlainPassword(const QByteArray &stored);
};
