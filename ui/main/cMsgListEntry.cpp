#include "ui/main/cMsgListEntry.h"

#include "ui/main/MainWindowRules.h"

namespace {

constexpr int kTimeKeyRole = Qt::UserRole + 10;

} // namespace

cMsgListEntry::cMsgListEntry(const QStringList &texts, qint64 timeKey) : QTreeWidgetItem(texts, UserType)
{
    setData(MsgColumn::DateTime, kTimeKeyRole, timeKey);
}

qint64 cMsgListEntry::TimeKey() const
{
    return data(MsgColumn::DateTime, kTimeKeyRole).toLongLong();
}

bool cMsgListEntry::operator<(const QTreeWidgetItem &other) const
{
    const int column = treeWidget() ? treeWidget()->sortColumn() : MsgColumn::DateTime;
    const auto *entry = dynamic_cast<const cMsgListEntry *>(&other);
    if (column == MsgColumn::DateTime && entry && TimeKey() != entry->TimeKey())
        return TimeKey() < entry->TimeKey();
    // Case never decides the order, whatever the locale; "a" and "B" stay in alphabet order.
    const QString mine = text(column);
    const QString theirs = other.text(column);
    if (const int order = QString::localeAwareCompare(mine.toCaseFolded(), theirs.toCaseFolded()); order != 0)
        return order < 0;
    return mine < theirs;
}
