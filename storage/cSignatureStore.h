// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signatures: "Ravelin2 Signatures.ini" holds one section per signature, named after it,
// whose FileName key points at a text file "sigN.qrx" in the Signatures folder of the mail
// root. Store order is section order, and the first signature is the default one. Nothing is
// kept in memory; every call reads the index afresh. Names compare without regard to case.
#include "storage/cResult.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class cSignatureStore
{
public:
    static QStringList SignatureNames();
    // The first name in store order; empty when there is none.
    static QString DefaultSignatureName();

    // Writes the lines to a new file and points the name at it; an existing name of any case
    // gets the new file and keeps its place.
    static cResult SaveNewSignature(const QString &name, const QList<QByteArray> &lines);
    // Drops the name from the index; its text file stays on disk.
    static cResult DeleteSignature(const QString &name);
    // No lines when the name or its file is missing.
    static QList<QByteArray> SignatureLines(const QString &name);
    // The lines as one text for an editor; empty when the name or its file is missing.
    static QString SignatureText(const QString &name);
    static QString SignatureFileName(const QString &name);

    // Saves the lines over the signature's file and renames it in place. A change of case
    // alone keeps the old name; a name taken by another signature is refused, since two
    // sections of one name would hide one of them for good.
    static cResult UpdateSignature(const QString &oldName, const QString &newName, const QList<QByteArray> &lines);

    // Whether a name reads back as itself as a section header: not blank, no line break or
    // "]", no blanks around it.
    static bool IsStorableName(const QString &name);
    static QString SignaturesFolder();
};
