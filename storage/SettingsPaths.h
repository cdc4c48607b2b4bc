// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the settings files live. The folder of the executable when it is writable (a portable
// install), else the user's configuration folder; RAVELIN_CONFIG_DIR overrides both, for tests
// and for running several set-ups side by side. The file names never change.
#include <QString>

QString ProgramFolder();
// Whether the settings may live in the executable's folder: it is writable and is not the
// folder the program was installed to, which every user of the machine shares (root can write
// to /usr/bin, and one user's accounts must never land there).
bool KeepsSettingsBeside(const QString &executableFolder, const QString &installedFolder);
QString OptionsFilePath();
QString AccountsFilePath();
QString ContactsFilePath();
QString SignaturesFilePath();
QString TempInfoFilePath();
