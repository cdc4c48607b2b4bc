// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/OptionSound.h"

#include <QProcess>
#include <QStandardPaths>

bool PlayOptionSound(const cTextOption &option)
{
    const QString file = cOptions::read(option);
    if (file.isEmpty())
        return true;
    for (const char *player : {"pw-play", "paplay", "aplay"}) {
        const QString program = QStandardPaths::findExecutable(QLatin1String(player));
        if (!program.isEmpty() && QProcess::startDetached(program, {file}))
            return true;
    }
    return false;
}
