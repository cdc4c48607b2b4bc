#pragma once
// Replaces a file in one step: the data go to a temporary file beside it, which takes the
// file's name only when every byte was written. A failure (a full disk, a size limit, an
// unwritable folder) leaves the old file as it was.
#include <QByteArray>
#include <QString>

bool WriteFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr);
