// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The new-message request a second start hands to the running instance: To and Subject go
// through the hand-over file ("Ravelin2 TempInfo.ini", section Info, both keys always
// written), CC and body, which that file never held, ride in the socket message itself.
#include "storage/cResult.h"
#include "ui/wndlist/cNewMessageRequest.h"

#include <QByteArray>

class TfrmMain;
class cSingleInstance;

[[nodiscard]] cResult WriteHandOverFile(const cNewMessageRequest &request);
QByteArray HandOverMessage(const cNewMessageRequest &request);
// The request as the running instance sees it: the file, then the message.
cNewMessageRequest ReadHandOver(const QByteArray &message);

// The second start's side: writes the file and, when the request holds anything, tells the
// running instance.
[[nodiscard]] cResult HandOver(const cSingleInstance &instance, const cNewMessageRequest &request);
// The running side: a hand-over opens a composer and brings the main window to the front.
void WireHandOver(cSingleInstance &instance, TfrmMain &frmMain);
