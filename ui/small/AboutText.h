// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the about box, and the system information a user pastes into a bug report:
// program and Qt versions, the operating system and the folders this run uses.
#include "version/Version.h"

#include <QString>

namespace AboutText {
inline constexpr const char *VersionLine = "Tolvan Ravelin v" RAVELIN_VERSION;
inline constexpr const char *SecondLine = QT_TRANSLATE_NOOP("TfrmAbout", "A desktop e-mail client for one user.");
inline constexpr const char *LicenceLine =
    QT_TRANSLATE_NOOP("TfrmAbout", "Free software under the GNU General Public License, version 3 or later.");
inline constexpr const char *WebPage = "https://ravelin.example.org/";
inline constexpr const char *Email = "ravelin@example.org";
} // namespace AboutText

QString SystemInfoText();
