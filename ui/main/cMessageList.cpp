#include "ui/main/cMessageList.h"

#include "ui/main/MainIcons.h"
#include "ui/main/MainWindowRules.h"
#include "ui/main/cMsgListHeader.h"
#include "ui/main/unitMain.h"

#include <QMimeData>
#include <QSet>

const QString cMessageList::kPathsMimeType = QStringLiteral("application/x-ravelin-message-paths");

cMessageList::cMessageList(QWidget *parent) : QTreeWidget(parent)
{
    setHeader(new cMsgListHeader(MsgColumn::Attachment, AttachmentIcon(), this));
    setColumnCount(MsgColumn::Count);
    setHeaderLabels(MessageListCaptions(eFolderKind::Inbox));
    header()->setSectionResizeMode(MsgColumn::Attachment, QHeaderView::Fixed);
    header()->setMinimumSectionSize(kAttachmentColumnWidth);
    header()->setSectionsClickable(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
}

QStringList cMessageList::DraggedPaths(const QMimeData *data)
{
    if (!data || !data->hasFormat(kPathsMimeType))
        return {};
    return QString::fromUtf8(data->data(kPathsMimeType)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList cMessageList::mimeTypes() const
{
    return {kPathsMimeType};
}

QMimeData *cMessageList::mimeData(const QList<QTreeWidgetItem *> &items) const
{
    QStringList paths;
    for (const QTreeWidgetItem *item : items)
        paths.append(TfrmMain::EntryPath(item));
    auto *data = new QMimeData;
    data->setData(kPathsMimeType, paths.join(QLatin1Char('\n')).toUtf8());
    return data;
}

void cMessageList::SetSort(const cMsgListSort &sort)
{
    fSort = sort;
    ApplySort();
}

const cMsgListSort &cMessageList::SortByColumn(int column)
{
    fSort.descending = column == fSort.column && !fSort.descending;
    fSort.column = column;
    ApplySort();
    if (QTreeWidgetItem *entry = currentItem())
        scrollToItem(entry);
    return fSort;
}

void cMessageList::ApplySort()
{
    header()->setSortIndicatorShown(fSort.column >= 0);
    if (fSort.column >= 0)
        sortItems(fSort.column, fSort.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

int cMessageList::SortedRowFor(const QTreeWidgetItem *entry) const
{
    if (fSort.column < 0)
        return 0;
    const auto before = [this](const QTreeWidgetItem *a, const QTreeWidgetItem *b) {
        return fSort.descending ? *b < *a : *a < *b;
    };
    int low = 0;
    int high = topLevelItemCount();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (before(entry, topLevelItem(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

QList<QTreeWidgetItem *> cMessageList::SelectedEntries() const
{
    QList<QTreeWidgetItem *> entries;
    for (int row = 0; row < topLevelItemCount(); ++row)
        if (QTreeWidgetItem *entry = topLevelItem(row); entry->isSelected())
            entries.append(entry);
    return entries;
}

void cMessageList::TakeOut(const QStringList &paths)
{
    const QSet<QString> gone(paths.begin(), paths.end());
    QTreeWidgetItem *current = currentItem();
    // All rows out and the rest back in is one step however many go; taking them out one by
    // one would move every row below each time.
    const QList<QTreeWidgetItem *> entries = invisibleRootItem()->takeChildren();
    QList<QTreeWidgetItem *> kept;
    int firstGone = -1;
    for (QTreeWidgetItem *entry : entries) {
        if (!gone.contains(TfrmMain::EntryPath(entry))) {
            kept.append(entry);
            continue;
        }
        if (firstGone < 0)
            firstGone = int(kept.size());
        if (entry == current)
            current = nullptr;
        delete entry;
    }
    addTopLevelItems(kept);
    if (!kept.isEmpty() && firstGone >= 0)
        setCurrentItem(kept.at(qMin(firstGone, int(kept.size()) - 1)));
    else if (current)
        setCurrentItem(current);
}
