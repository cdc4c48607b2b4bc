// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's texts and Qt's own in the user's language, chosen from the system locale
// (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). Called once, right after the application
// object is made and before any window; English, the source language, loads nothing.
class QCoreApplication;
class QLocale;

void LoadTranslations(QCoreApplication &app, const QLocale &locale);
