// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the settings files live. The folder of the executable when it is writable (a portable
// install), else the user's configuration folder; RAVELIN_CONFIG_DIR overrides both, for tests
// and for running several set-ups side by side. The file names never change.
#include <QString>

QString ProgramFolder();
QString OptionsFilePath();
QString AccountsFilePath();
QString ContactsFilePath();
QString SignaturesFilePath();
QString TempInfoFilePath();
