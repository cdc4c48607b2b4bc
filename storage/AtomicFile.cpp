#include "storage/AtomicFile.h"

#include <QSaveFile>

bool WriteFileAtomically(const QString &path, const QByteArray &data, QString *error)
{
    // Unbuffered: a buffered QSaveFile can lose a failed flush and commit a truncated file.
    QSaveFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file.errorString();
    } else {
        const qint64 written = file.write(data);
        if (written == data.size() && file.commit())
            return true;
        reason = written < 0 || written == data.size()
                     ? file.errorString()
                     : QStringLiteral("only %1 of %2 bytes could be written (is the disk full?)").arg(written).arg(data.size());
        file.cancelWriting();
    }
    if (error)
        *error = QStringLiteral("Cannot write the file \"%1\": %2").arg(path, reason);
    return false;
}
