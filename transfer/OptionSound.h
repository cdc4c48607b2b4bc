// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the sound file an option names (NewMailSound, MailErrorSound) with the first sound
// player the system has (pw-play, paplay, aplay). An empty option plays nothing. The sound
// plays in the background: the program never waits for it.
#include "storage/cOptions.h"

// False when a sound was asked for but no player could start it.
bool PlayOptionSound(const cTextOption &option);
