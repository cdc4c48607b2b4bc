// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the account dialogs refuse before writing: each check gives the text that tells the
// user which field is wrong, or an empty text when the field can be saved.
#include "transfer/cAccount.h"

#include <QString>

QString AccountNameProblem(const QString &name);
// field is the field's name as the user knows it ("POP3 port").
QString PortProblem(const QString &field, const QString &text);
// An own SMTP login names its user; the other logins need none.
QString SmtpUserProblem(eSmtpLogin login, const QString &user);
