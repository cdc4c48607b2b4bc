// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values the options dialog edits, read from the options file with the defaults the dialog
// shows and written back key by key. The two folders are the ones in use, not the stored keys,
// and are written apart from the rest, last.
#include "storage/cResult.h"

#include <QString>

namespace OptionLimits {
inline constexpr int kMinInterval = 1;
inline constexpr int kMaxInterval = 60;
inline constexpr int kMinFontSize = 8;
inline constexpr int kMaxFontSize = 72;
} // namespace OptionLimits

struct cOptionValues
{
    bool trashPrompt = true;
    bool verifyMail = false;
    int verifyMailInterval = 5;
    bool checkForDefClient = true;
    bool sendMailImmideatly = true;
    bool sendMailAfterMailFetch = false;
    bool includeOriginalMsgInReply = true;
    bool autoInsertDefSig = false;
    // 1 = signature before the quoted message, 2 = after it.
    int sigPosition = 1;
    QString msgQuoteChar;
    QString defSubject;
    // An empty font name leaves the stored one as it is.
    QString mailDisplayFont;
    int mailDisplayFontSize = 8;
    QString msgCompFont;
    int msgCompFontSize = 8;
    QString newMailSound;
    QString mailErrorSound;
    QString mailFolder;
    QString attachmentsFolder;

    static cOptionValues Read();
    [[nodiscard]] cResult WriteAllButFolders() const;
    [[nodiscard]] cResult WriteFolders() const;
};
