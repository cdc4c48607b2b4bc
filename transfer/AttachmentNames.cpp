// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/AttachmentNames.h"


#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

namespace {

constexpr qsizetype kMaxNameBytes = 200;
constexpr qsizetype kMaxExtensionBytes = 16;
// "name.ext", "name (2).ext" .. "name (9).ext" as people expect, then numbers drawn at random,
// so a name taken ten thousand times costs no more than one taken once.
constexpr int kCountedNames = 9;
constexpr int kDrawnNames = 32;
constexpr int kDrawLimit = 1000000;

QString decodeWireName(const QByteArray &wireName)
{
    const QString utf8 = QString::fromUtf8(wireName);
    return utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(wireName) : utf8;
}

// Characters that reorder text on screen: "\u202Ecod.exe" would show as "exe.doc".
bool isBidiControl(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

bool isDropped(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control || isBidiControl(c);
}

// At most kMaxNameBytes of UTF-8, cut between characters, keeping a short extension.
QString shortened(const QString &name)
{
    const QByteArray utf8 = name.toUtf8();
    if (utf8.size() <= kMaxNameBytes)
        return name;
    const qsizetype dot = utf8.lastIndexOf('.');
    const QByteArray extension = dot > 0 && utf8.size() - dot <= kMaxExtensionBytes ? utf8.mid(dot) : QByteArray();
    qsizetype cut = kMaxNameBytes - extension.size();
    while (cut > 0 && (static_cast<unsigned char>(utf8.at(cut)) & 0xC0) == 0x80)
        --cut;
    return QString::fromUtf8(utf8.left(cut) + extension);
}

QString numbered(const QString &name, int number)
{
    if (number == 1)
        return name;
    const QString suffix = QFileInfo(name).completeSuffix();
    const QString base = suffix.isEmpty() ? name : name.left(name.size() - suffix.size() - 1);
    const QString tag = QStringLiteral(" (%1)").arg(number);
    return suffix.isEmpty() ? base + tag : base + tag + QLatin1Char('.') + suffix;
}

int candidateNumber(int attempt)
{
    return attempt < kCountedNames ? attempt + 1 : QRandomGenerator::global()->bounded(kCountedNames + 1, kDrawLimit);
}

} // namespace

QString SafeAttachmentName(const QByteArray &wireName)
{
    QString name;
    for (QChar c : decodeWireName(wireName)) {
        if (!isDropped(c))
            name += c == QLatin1Char(';') ? QLatin1Char('_') : c;
    }
    name = name.trimmed();
    qsizetype dots = 0;
    while (dots < name.size() && name.at(dots) == QLatin1Char('.'))
        ++dots;
    name = shortened(name.mid(dots));
    return name.isEmpty() ? QStringLiteral("_Cosa_") : name;
}

cAttachmentNamer::cAttachmentNamer(QString folder) : fFolder(std::move(folder)) {}

cResultOf<QString> cAttachmentNamer::Save(const QByteArray &wireName, const QByteArray &data, eDurability durability)
{
    return Named(wireName, [&](const fCandidate &candidate) {
        return WriteNewFileAtomically(fFolder, candidate, data, durability);
    });
}

cResultOf<QString> cAttachmentNamer::Claim(const QByteArray &wireName, const QString &temporary, eDurability durability)
{
    return Named(wireName, [&](const fCandidate &candidate) {
        return ClaimNewName(temporary, fFolder, candidate, durability);
    });
}

cResultOf<QString> cAttachmentNamer::Named(const QByteArray &wireName,
                                           const std::function<cResultOf<QString>(const fCandidate &)> &place)
{
    const QString name = SafeAttachmentName(wireName);
    int &first = fFirstFreeAttempt[name];
    int tried = first;
    const auto candidate = [&](int attempt) {
        tried = first + attempt;
        return attempt < kCountedNames + kDrawnNames ? numbered(name, candidateNumber(tried)) : QString();
    };
    cResultOf<QString> path = place(candidate);
    if (path)
        first = std::min(tried + 1, kCountedNames);
    return path;
}
