// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cSignatureStore.h"

#include "storage/AtomicFile.h"
#include "storage/MailStorage.h"
#include "storage/SettingsPaths.h"
#include "storage/cFolderStore.h"
#include "storage/cIniFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cSignatureStore)
};

const QByteArray kFileNameKey = QByteArrayLiteral("FileName");

cResult refused(const QString &text)
{
    return cResult::Failed(eFailure::Refused, text);
}

cResult indexFailure(const cIniFile &index)
{
    return cResult::Failed(eFailure::FileSystem, index.errorString());
}

QByteArray fileText(const QList<QByteArray> &lines)
{
    QByteArray text;
    for (const QByteArray &line : lines)
        text += line + "\r\n";
    return text;
}

cResult unstorableName(const QString &name)
{
    return refused(cTexts::tr("Cannot store the signature name \"%1\": it is blank, has blanks around it, "
                                  "or holds a line break or \"]\".")
                       .arg(name));
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

cResult cSignatureStore::SaveNewSignature(const QString &name, const QList<QByteArray> &lines)
{
    if (!IsStorableName(name))
        return unstorableName(name);
    const cResultOf<QString> path =
        cFolderStore::UniqueFileName(SignaturesFolder(), QStringLiteral("sig"), QStringLiteral("qrx"));
    if (!path)
        return path.result();
    if (cResult written = WriteFileAtomically(path.value(), fileText(lines)); !written)
        return written;
    cIniFile index(SignaturesFilePath());
    if (index.writeString(name, kFileNameKey, path.value()))
        return cResult::Ok();
    return indexFailure(index);
}

cResult cSignatureStore::DeleteSignature(const QString &name)
{
    cIniFile index(SignaturesFilePath());
    if (index.eraseSection(name))
        return cResult::Ok();
    return indexFailure(index);
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

QString cSignatureStore::SignatureText(const QString &name)
{
    QStringList lines;
    for (const QByteArray &line : SignatureLines(name))
        lines.append(QString::fromUtf8(line));
    return lines.join(QLatin1Char('\n'));
}

cResult cSignatureStore::UpdateSignature(const QString &oldName, const QString &newName,
                                         const QList<QByteArray> &lines)
{
    const bool renamed = oldName.compare(newName, Qt::CaseInsensitive) != 0;
    if (renamed && !IsStorableName(newName))
        return unstorableName(newName);
    if (renamed && SignatureNames().contains(newName, Qt::CaseInsensitive))
        return refused(cTexts::tr("Cannot rename the signature \"%1\" to \"%2\": a signature of that name exists.")
                           .arg(oldName, newName));
    const QString path = SignatureFileName(oldName);
    if (path.isEmpty())
        return refused(cTexts::tr("The signature \"%1\" is no longer in \"%2\".").arg(oldName, SignaturesFilePath()));
    if (cResult written = WriteFileAtomically(path, fileText(lines)); !written)
        return written;
    return renamed ? RenameIniSection(SignaturesFilePath(), oldName, newName) : cResult::Ok();
}
