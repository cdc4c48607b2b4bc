#pragma once
// Names for received attachments in the attachments folder. A name from the wire is only a
// suggestion: it is made safe (never a path, never "." or "..", no control characters) and
// unique ("name (2).ext"), so no attachment ever leaves the folder or replaces another's file.
#include <QByteArray>
#include <QString>

QString SafeAttachmentName(const QByteArray &wireName);

// Creates an empty file under a free name in the folder and returns its path, so two writers
// can never pick the same one; empty, with the reason, when the folder cannot take a file.
QString ReserveAttachmentPath(const QString &folder, const QByteArray &wireName, QString *error = nullptr);
