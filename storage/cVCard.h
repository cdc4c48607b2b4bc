// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Contacts in and out as vCard files (RFC 6350, and the 3.0 form of RFC 2426), the format
// other address books and phones exchange. Reading takes versions 2.1 (quoted-printable, CHARSET), 3.0 and 4.0: folded lines,
// escapes, FN/N, EMAIL (the first is the e-mail, the second the secondary one), URL, ADR and
// TEL (home, work, fax) and ORG become the fourteen contact keys. A card that is broken (no
// END for its BEGIN, a line that is no property, neither FN nor N) is skipped and counted.
// Writing gives version 4.0 (or 3.0), UTF-8, CR LF line ends, lines folded at 75 octets.
// No vCard library is packaged here, so both directions are our own.
#include "storage/ContactImport.h"
#include "storage/cContactStore.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct cVCardImport
{
    QList<cContactCard> cards;
    int skipped = 0;
    int duplicatesSkipped = 0; // cards of a taken name the user chose to skip
};

enum class eVCardVersion { V3, V4 };

cVCardImport ReadVCards(const QByteArray &data);
QByteArray WriteVCards(const QList<cContactCard> &cards, eVCardVersion version = eVCardVersion::V4);

// Reads a .vcf file into the contact store; ask decides for each card whose name is taken (see
// PlanContactImport). The cards read and the counts skipped.
cResultOf<cVCardImport> ImportVCardFile(const QString &path, const cDuplicateQuestion &ask);
// Writes every contact to a .vcf file, replacing it whole; how many were written.
cResultOf<int> ExportVCardFile(const QString &path);
