// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MainWindowRules.h"

#include "storage/DisplayText.h"
#include "ui/main/MainIcons.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMillisecondsPerMinute = 60000;
struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(TfrmMain)
};

const QString kAttachmentMark = QString(QChar(0x2022)); // the bullet of code page 1252's 149

} // namespace

QStringList MessageListCaptions(eFolderKind folder)
{
    return {cTexts::tr("Subject"), HoldsOutgoingMail(folder) ? cTexts::tr("To") : cTexts::tr("From"), QString(), cTexts::tr("Date&Time")};
}

int ReadIcon(bool html)
{
    return html ? MsgImage::Html : MsgImage::Plain;
}

cMessageEntry MessageListEntry(const cIndexEntry &header, eFolderKind folder)
{
    const QByteArray &person = HoldsOutgoingMail(folder) ? header.To : header.From;
    const int readIcon = ReadIcon(header.Html);
    return {{DisplayText(header.Subject), DisplayText(person), header.hasAttachments ? kAttachmentMark : QString(),
             DisplayText(header.DateTime)},
            header.Read ? readIcon : MsgImage::Unread,
            readIcon};
}

cMessageEntry MessageListEntry(const cMailMessage &header, eFolderKind folder)
{
    return MessageListEntry(cFolderIndex::Entry({}, header), folder);
}

QString MessageCountText(int count)
{
    return cTexts::tr("%n message(s)", nullptr, count);
}

std::vector<cIndexEntry> IndexEntries(std::vector<cStoredEntry> listed)
{
    std::vector<cIndexEntry> entries;
    entries.reserve(listed.size());
    for (cStoredEntry &one : listed) {
        one.entry.stamp.name = std::move(one.ref.key);
        entries.push_back(std::move(one.entry));
    }
    return entries;
}

int CheckTimerInterval(int minutes)
{
    if (minutes <= 0)
        return 0;
    if (minutes > std::numeric_limits<int>::max() / kMillisecondsPerMinute)
        return std::numeric_limits<int>::max();
    return minutes * kMillisecondsPerMinute;
}

bool IsOpenableLink(const QUrl &url)
{
    static const QStringList schemes{u"http"_s, u"https"_s, u"ftp"_s, u"mailto"_s, u"news"_s};
    return url.isValid() && schemes.contains(url.scheme().toLower());
}
