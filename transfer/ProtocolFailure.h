// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a failure of the mail protocol clients reaches the user: the line for the error list and
// the cause callers act on. POP3 steps keep their numbers ("Error #2001: ..."), SMTP refusals
// the server's reply code ("Error# 550: ..."); a failure of our own carries no number.
#include "mailproto/TVrxFailure.h"
#include "storage/cResult.h"

enum class eMailProtocol { Pop3, Smtp };

// The account's name in brackets leads the text when it is given.
cResult FailureResult(const TVrxFailure &failure, eMailProtocol protocol, const QString &account = {});
