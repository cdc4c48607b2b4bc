// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/cJunkMemory.h"

#include "rules/cJunkFilter.h"
#include "storage/AtomicFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cJunkMemory)
};
constexpr qsizetype kKeyLength = 64;
}

QString cJunkMemory::FilePath()
{
    return cJunkFilter::WordListFolder() + QStringLiteral("/taught.txt");
}

cJunkMemory cJunkMemory::Load()
{
    cJunkMemory memory;
    QFile file(FilePath());
    if (!file.open(QIODevice::ReadOnly))
        return memory;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QByteArray key = line.left(kKeyLength);
        const QByteArray kind = line.mid(kKeyLength);
        if (key.size() == kKeyLength && (kind == " spam" || kind == " ham"))
            memory.fSpam.insert(key, kind == " spam");
    }
    return memory;
}

QByteArray cJunkMemory::Key(const QByteArray &mail)
{
    return QCryptographicHash::hash(mail, QCryptographicHash::Sha256).toHex();
}

eJunkTaught cJunkMemory::Taught(const QByteArray &mail) const
{
    const auto found = fSpam.constFind(Key(mail));
    if (found == fSpam.cend())
        return eJunkTaught::Nothing;
    return *found ? eJunkTaught::Spam : eJunkTaught::Ham;
}

void cJunkMemory::Remember(const QByteArray &mail, bool spam)
{
    fSpam.insert(Key(mail), spam);
}

cResult cJunkMemory::Save() const
{
    QByteArray text;
    text.reserve(fSpam.size() * (kKeyLength + 6));
    for (auto it = fSpam.cbegin(); it != fSpam.cend(); ++it)
        text += it.key() + (it.value() ? " spam\n" : " ham\n");
    if (cResult written = WriteFileAtomically(FilePath(), text); !written)
        return cResult::Failed(written.cause(),
                               cTexts::tr("Cannot record what the junk filter learned in \"%1\": %2").arg(FilePath(), written.text()));
    return cResult::Ok();
}
