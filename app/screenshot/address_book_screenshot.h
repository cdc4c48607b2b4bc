// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The address book over a few made-up contacts, one of them selected, drawn into a picture
// named ravelin-address-book.png in the given folder. Needs the sample settings to be in place.
#include <QString>
#include <QTextStream>

bool SaveAddressBookPicture(const QString &folder, QTextStream &err);
