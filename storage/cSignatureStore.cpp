#include "storage/cSignatureStore.h"

#include "storage/AtomicFile.h"
#include "storage/MailStorage.h"
#include "storage/SettingsPaths.h"
#include "storage/cFolderStore.h"
#include "storage/cIniFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray kFileNameKey = QByteArrayLiteral("FileName");

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QByteArray fileText(const QList<QByteArray> &lines)
{
    QByteArray text;
    for (const QByteArray &line : lines)
        text += line + "\r\n";
    return text;
}

bool refuseUnstorable(const QString &name, QString *error)
{
    if (cSignatureStore::IsStorableName(name))
        return false;
    setError(error, QStringLiteral("Cannot store the signature name \"%1\": it is blank, has blanks around it, "
                                   "or holds a line break or \"]\".")
                        .arg(name));
    return true;
}

} // namespace

QString cSignatureStore::SignaturesFolder()
{
    return MailRoot() + QStringLiteral("/Signatures");
}

QStringList cSignatureStore::SignatureNames()
{
    return cIniFile(SignaturesFilePath()).readSections();
}

QString cSignatureStore::DefaultSignatureName()
{
    const QStringList names = SignatureNames();
    return names.isEmpty() ? QString() : names.first();
}

bool cSignatureStore::IsStorableName(const QString &name)
{
    return !name.isEmpty() && name.trimmed() == name && !name.contains(QLatin1Char('\n'))
        && !name.contains(QLatin1Char('\r')) && !name.contains(QLatin1Char(']'));
}

bool cSignatureStore::SaveNewSignature(const QString &name, const QList<QByteArray> &lines, QString *error)
{
    if (refuseUnstorable(name, error))
        return false;
    const QString path = cFolderStore::UniqueFileName(SignaturesFolder(), QStringLiteral("sig"),
                                                      QStringLiteral("qrx"), error);
    if (path.isEmpty() || !WriteFileAtomically(path, fileText(lines), error))
        return false;
    cIniFile index(SignaturesFilePath());
    if (index.writeString(name, kFileNameKey, path))
        return true;
    setError(error, index.errorString());
    return false;
}

bool cSignatureStore::DeleteSignature(const QString &name, QString *error)
{
    cIniFile index(SignaturesFilePath());
    if (index.eraseSection(name))
        return true;
    setError(error, index.errorString());
    return false;
}

QString cSignatureStore::SignatureFileName(const QString &name)
{
    return cIniFile(SignaturesFilePath()).readString(name, kFileNameKey);
}

QList<QByteArray> cSignatureStore::SignatureLines(const QString &name)
{
    const QString path = SignatureFileName(name);
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    QByteArray text = file.readAll();
    text.replace("\r\n", "\n").replace('\r', '\n');
    if (text.endsWith('\n'))
        text.chop(1);
    return text.isEmpty() ? QList<QByteArray>{} : text.split('\n');
}

bool cSignatureStore::UpdateSignature(const QString &oldName, const QString &newName,
                                      const QList<QByteArray> &lines, QString *error)
{
    const bool renamed = oldName.compare(newName, Qt::CaseInsensitive) != 0;
    if (renamed && refuseUnstorable(newName, error))
        return false;
    if (renamed && SignatureNames().contains(newName, Qt::CaseInsensitive)) {
        setError(error, QStringLiteral("Cannot rename the signature \"%1\" to \"%2\": a signature of that name exists.")
                            .arg(oldName, newName));
        return false;
    }
    const QString path = SignatureFileName(oldName);
    if (path.isEmpty()) {
        setError(error, QStringLiteral("The signature \"%1\" is no longer in \"%2\".").arg(oldName, SignaturesFilePath()));
        return false;
    }
    if (!WriteFileAtomically(path, fileText(lines), error))
        return false;
    return !renamed || RenameIniSection(SignaturesFilePath(), oldName, newName, error);
}
