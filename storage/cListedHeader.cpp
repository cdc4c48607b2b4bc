// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cListedHeader.h"

#include "storage/MessageText.h"
#include "storage/cDateKey.h"
#include "storage/cIniSection.h"

#include <QString>
#include <QVarLengthArray>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr QByteArrayView kKeys[] = {"Subject", "To", "From", "DateTime", "Html", "Read", "Attachments"};
constexpr QByteArrayView kBoundaryKey = "X_MailBoundary";
constexpr QByteArrayView kMailKeys[] = {"Message-ID", "References", "In-Reply-To"};
// About what a stored header takes, and what one system call reads at no extra cost.
constexpr qsizetype kBlock = 4096;

bool flag(const QByteArray &value)
{
    int number = 0;
    return cIniSection::parseInteger(value, &number) && number != 0;
}

} // namespace

bool cListedHeader::ReadFrom(int fd)
{
    QVarLengthArray<char, kBlock> buffer(kBlock);
    qsizetype filled = 0;
    for (;;) {
        if (filled == buffer.size()) // a line longer than the buffer
            buffer.resize(buffer.size() * 2);
        const ssize_t got = ::read(fd, buffer.data() + filled, std::size_t(buffer.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0) {
            if (filled > 0) // the last line, without a line end
                TakeLine({buffer.data(), filled});
            return true;
        }
        filled += got;
        qsizetype start = 0;
        while (const void *end = std::memchr(buffer.data() + start, '\n', std::size_t(filled - start))) {
            const qsizetype at = static_cast<const char *>(end) - buffer.data();
            if (!TakeLine({buffer.data() + start, at - start}))
                return true;
            start = at + 1;
        }
        std::memmove(buffer.data(), buffer.data() + start, std::size_t(filled - start));
        filled -= start;
    }
}

bool cListedHeader::TakeLine(QByteArrayView line)
{
    switch (fPart) {
    case ePart::Keys: return TakeKeyLine(line);
    case ePart::BeforeMail:
        if (line.endsWith('\r'))
            line.chop(1);
        if (line == fOpening)
            fPart = ePart::Mail;
        return true;
    case ePart::Mail: return TakeMailLine(line.endsWith('\r') ? line.chopped(1) : line);
    }
    return false;
}

bool cListedHeader::TakeKeyLine(QByteArrayView line)
{
    const QByteArrayView trimmed = line.trimmed();
    if (trimmed.startsWith('[') && trimmed.contains(']')) {
        if (fInSection)
            return false;
        QString name;
        fInSection = cIniSection::parseSectionName(trimmed.toByteArray(), &name)
                     && name.compare(QStringLiteral("Header"), Qt::CaseInsensitive) == 0;
        return true;
    }
    const qsizetype equals = line.indexOf('=');
    if (!fInSection || equals < 0)
        return true;
    const QByteArrayView key = line.first(equals).trimmed();
    if (key.compare(kBoundaryKey, Qt::CaseInsensitive) == 0) {
        const QByteArray boundary = line.sliced(equals + 1).trimmed().toByteArray();
        fOpening = kBoundaryKey.toByteArray() + '=' + boundary;
        fClosing = kBoundaryKey.toByteArray() + '!' + boundary;
        fPart = ePart::BeforeMail;
        return TakeLine(line);
    }
    for (int field = 0; field < Count; ++field) {
        if ((fFound & 1u << field) == 0 && key.size() == kKeys[field].size()
            && key.compare(kKeys[field], Qt::CaseInsensitive) == 0) {
            fValues[field] = line.sliced(equals + 1).trimmed().toByteArray();
            fFound |= 1u << field;
        }
    }
    return true;
}

bool cListedHeader::TakeMailLine(QByteArrayView line)
{
    if (!fClosing.isEmpty() && line == fClosing)
        return false;
    if (line.startsWith(' ') || line.startsWith('\t')) {
        if (fFolding >= 0)
            fMail[fFolding] += ' ' + line.trimmed().toByteArray();
        return true;
    }
    fFolding = -1;
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0)
        return true;
    const QByteArrayView name = line.first(colon).trimmed();
    for (int field = 0; field < MailCount; ++field) {
        if ((fMailFound & 1u << field) == 0 && name.compare(kMailKeys[field], Qt::CaseInsensitive) == 0) {
            fMail[field] = line.sliced(colon + 1).trimmed().toByteArray();
            fMailFound |= 1u << field;
            fFolding = field;
        }
    }
    return true;
}

std::pair<QByteArray, QByteArray> cListedHeader::ThreadFields() const
{
    return {fMail[MessageId], (fMail[References] + ' ' + fMail[InReplyTo]).trimmed()};
}

std::pair<QByteArray, QByteArray> cListedHeader::ThreadFields(const QList<QByteArray> &mailHeader)
{
    cListedHeader reader;
    reader.fPart = ePart::Mail;
    for (const QByteArray &line : mailHeader)
        reader.TakeMailLine(line);
    return reader.ThreadFields();
}

cIndexEntry cListedHeader::Entry(cFileStamp stamp) const
{
    const auto from = SplitAddress(fValues[From]);
    const auto [messageId, references] = ThreadFields();
    return {std::move(stamp),
            fValues[Subject],
            fValues[To],
            from ? from->name : QByteArray(),
            fValues[DateTime],
            cDateKey::Of(fValues[DateTime]),
            flag(fValues[Html]),
            flag(fValues[Read]),
            !fValues[Attachments].isEmpty(),
            messageId,
            references};
}
