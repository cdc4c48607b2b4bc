#pragma once
// The message object the SMTP client sends, built from a stored message file: the sender line
// exactly as stored, the stored header lines as extra headers (plus the account's
// organisation), and every attachment file. The envelope sender is the sending account's
// address, whatever the file's sender line says.
#include "mailproto/TVrxMsg.h"
#include "storage/cResult.h"
#include "transfer/cAccount.h"

#include <QString>
#include <memory>

// Fails, leaving *built as it was, when the file or one of its attachments cannot be read:
// a message never goes out without an attachment it names.
cResult BuildOutgoing(const QString &path, const cAccount &account, std::unique_ptr<TVrxMsg> *built);
