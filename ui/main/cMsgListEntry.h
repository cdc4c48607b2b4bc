#pragma once
// One entry of the message list. It sorts by the column the list is sorted by: texts as the
// user's language orders them, Date&Time by the moment it names (kept as a key when the
// entry is made), not by its text.
#include <QTreeWidgetItem>

class cMsgListEntry : public QTreeWidgetItem
{
public:
    cMsgListEntry(const QStringList &texts, qint64 timeKey);

    bool operator<(const QTreeWidgetItem &other) const override;

private:
    qint64 TimeKey() const;
};
