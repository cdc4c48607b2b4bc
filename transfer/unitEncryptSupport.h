// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scrambling of stored account passwords. It only keeps passwords from being read at a
// glance in the accounts file; it is no encryption. The constants never change: passwords
// stored with other ones would not unscramble.
#include <QByteArray>

QByteArray ScrambleText(const QByteArray &plain);
QByteArray UnscrambleText(const QByteArray &scrambled);
