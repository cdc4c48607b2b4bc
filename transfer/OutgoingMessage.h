// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message object the SMTP client sends, built from a stored message: the sender line
// exactly as stored, the stored header lines as extra headers (plus the account's
// organisation), and every attachment file. The envelope sender is the sending account's
// address, whatever the file's sender line says.
#include "mailproto/TVrxMsg.h"
#include "storage/cMailMessage.h"
#include "storage/cResult.h"
#include "transfer/cAccount.h"

#include <QString>
#include <memory>

// stored is read with its sender line whole (cMailStore::ReadForSending). Fails, leaving *built
// as it was, when one of its attachments cannot be read: a message never goes out without an
// attachment it names.
cResult BuildOutgoing(const cMailMessage &stored, const cAccount &account, std::unique_ptr<TVrxMsg> *built);

// The message as mail, for forwarding it whole: the exact bytes it arrived as when they are
// kept, else the text Ravelin sends for its record (its own mail, older files). Never the
// message file itself, which holds local paths.
cResultOf<QByteArray> ForwardableMessage(const QString &path);

// ForwardableMessage saved as "<subject>.eml" in the attachments folder, ready to attach.
cResultOf<QString> SaveForwardable(const QString &path, const QString &subject);
