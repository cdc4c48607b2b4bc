#pragma once
// The command line, read before any window exists: "-newmail <mailto: link>" asks for a new
// message, opened in this instance or handed to the one already running.
#include "ui/wndlist/cNewMessageRequest.h"

#include <QStringList>

class cSingleInstance;

// A mailto: link (RFC 6068): the address part before "?" is To, then "name=value" fields
// joined by "&": subject, cc, body, and more addresses in "to". Text is percent-decoded and
// keeps its case. A rest without any field is taken as the subject.
cNewMessageRequest ParseMailto(const QString &link);
// The parameters after the program name; anything but "-newmail <link>" asks for nothing.
cNewMessageRequest ParseCommandLine(const QStringList &parameters);

// True to go on starting, with the request to open once the main window is up; false when
// another running instance has been handed the request and this one is to end. instance is
// left holding this program's claim to be the one instance.
[[nodiscard]] bool HandleCommandLine(const QStringList &parameters, cSingleInstance &instance,
                                     cNewMessageRequest &startRequest);
