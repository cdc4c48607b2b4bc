#include "transfer/AttachmentNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kMaxNameBytes = 200;
constexpr int kMaxTries = 10000;

QString decodeWireName(const QByteArray &wireName)
{
    const QString utf8 = QString::fromUtf8(wireName);
    return utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(wireName) : utf8;
}

QString numbered(const QString &name, int number)
{
    if (number == 1)
        return name;
    const QFileInfo info(name);
    const QString suffix = info.completeSuffix();
    const QString base = suffix.isEmpty() ? name : name.left(name.size() - suffix.size() - 1);
    const QString tag = QStringLiteral(" (%1)").arg(number);
    return suffix.isEmpty() ? base + tag : base + tag + QLatin1Char('.') + suffix;
}

} // namespace

QString SafeAttachmentName(const QByteArray &wireName)
{
    QString name;
    for (QChar c : decodeWireName(wireName))
        if (c != QLatin1Char('/') && c != QLatin1Char('\\') && c.category() != QChar::Other_Control)
            name += c;
    name = name.trimmed();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    while (name.toUtf8().size() > kMaxNameBytes)
        name.chop(1);
    return name.isEmpty() ? QStringLiteral("_Cosa_") : name;
}

QString ReserveAttachmentPath(const QString &folder, const QByteArray &wireName, QString *error)
{
    const QString name = SafeAttachmentName(wireName);
    const QDir dir(folder);
    QString reason = QStringLiteral("the folder does not exist");
    for (int number = 1; number <= kMaxTries && dir.exists(); ++number) {
        QFile file(dir.filePath(numbered(name, number)));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file.fileName();
        if (!file.exists()) {
            reason = file.errorString();
            break;
        }
        reason = QStringLiteral("too many files are named like it");
    }
    if (error)
        *error = QStringLiteral("Cannot save the attachment \"%1\" in \"%2\": %3").arg(name, folder, reason);
    return {};
}
