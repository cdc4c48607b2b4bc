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
    if (key.compare(kBoundaryKey, Qt::CaseInsensitive) == 0)
        return false;
    for (int field = 0; field < Count; ++field) {
        if ((fFound & 1u << field) == 0 && key.size() == kKeys[field].size()
            && key.compare(kKeys[field], Qt::CaseInsensitive) == 0) {
            fValues[field] = line.sliced(equals + 1).trimmed().toByteArray();
            fFound |= 1u << field;
        }
    }
    return fFound != (1u << Count) - 1;
}

cIndexEntry cListedHeader::Entry(cFileStamp stamp) const
{
    const auto from = SplitAddress(fValues[From]);
    return {std::move(stamp),
            fValues[Subject],
            fValues[To],
            from ? from->name : QByteArray(),
            fValues[DateTime],
            cDateKey::Of(fValues[DateTime]),
            flag(fValues[Html]),
            flag(fValues[Read]),
            !fValues[Attachments].isEmpty()};
}
