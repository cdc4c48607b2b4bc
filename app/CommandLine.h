// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line, read before any window exists: "-newmail <mailto: link>" asks for a new
// message, opened in this instance or handed to the one already running.
#include "ui/wndlist/cNewMessageRequest.h"

#include <QStringList>

class QTextStream;

class cSingleInstance;

// A mailto: link (RFC 6068): the address part before "?" is To, then "name=value" fields
// joined by "&": subject, cc, body, and more addresses in "to". Text is percent-decoded and
// keeps its case. A rest without any field is taken as the subject.
cNewMessageRequest ParseMailto(const QString &link);
// The parameters after the program name; anything but "-newmail <link>" asks for nothing.
cNewMessageRequest ParseCommandLine(const QStringList &parameters);

// argv past the program name, read before any QCoreApplication exists.
QStringList ParametersBeforeStart(int argc, char *argv[]);
// "--help", "-h" or "--version" as the first parameter is answered on out, needing no display;
// true when it was and the program is to end.
[[nodiscard]] bool AnswerInformationRequest(const QStringList &parameters, QTextStream &out);

// True to go on starting, with the request to open once the main window is up; false when
// another running instance has been handed the request and this one is to end. instance is
// left holding this program's claim to be the one instance.
[[nodiscard]] bool HandleCommandLine(const QStringList &parameters, cSingleInstance &instance,
                                     cNewMessageRequest &startRequest);
