// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cMessageList.h"

#include "storage/MailStorage.h"
#include "ui/main/FolderConversations.h"
#include "ui/main/MainIcons.h"
#include "ui/main/MainWindowRules.h"
#include "ui/main/cMsgListHeader.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QSet>
#include <QtConcurrent>

#include <cstdio>
#include <ctime>

namespace {

const bool kReportRowsShown = qEnvironmentVariableIsSet("RAVELIN_REPORT_ROWS_SHOWN");

qint64 monotonicMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// The folders of names "<folder>/<file>", each once.
QStringList foldersOf(const QStringList &names)
{
    QSet<QString> folders;
    for (const QString &name : names)
        folders.insert(name.section(u'/', 0, 0));
    return folders.values();
}

// The stamps of those of the files named "<folder>/<file>" that are still there, named so.
std::vector<cFileStamp> stampsOf(const QString &directory, const QStringList &names)
{
    const QSet<QString> wanted(names.cbegin(), names.cend());
    std::vector<cFileStamp> stamps;
    for (const QString &folder : foldersOf(names)) {
        for (cFileStamp &stamp : cFolderIndex::Scan(directory + u'/' + folder)) {
            stamp.name = folder + u'/' + stamp.name;
            if (wanted.contains(stamp.name))
                stamps.push_back(std::move(stamp));
        }
    }
    return stamps;
}

} // namespace

const QString &cMessageList::kMessagesMimeType = cMsgListModel::kMessagesMimeType;

cMessageList::cMessageList(QList<QIcon> images, QWidget *parent)
    : QTreeView(parent), fModel(new cMsgListModel(std::move(images), this))
{
    setHeader(new cMsgListHeader(MsgColumn::Attachment, AttachmentIcon(), this));
    setModel(fModel);
    header()->setSectionResizeMode(MsgColumn::Attachment, QHeaderView::Fixed);
    header()->setMinimumSectionSize(kAttachmentColumnWidth);
    header()->setSectionsClickable(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    fFollowTimer.setSingleShot(true);
    fFollowTimer.setInterval(kFollowDelay);
    connect(&fFollowTimer, &QTimer::timeout, this, &cMessageList::FollowFolder);
    // A burst of changes is looked at once, when the first of them is kFollowDelay old.
    connect(&fWatcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (!fFollowTimer.isActive())
            fFollowTimer.start();
    });
    connect(&fLook, &QFutureWatcherBase::finished, this, &cMessageList::LookDone);
    // Rows a command put in or took out make a look begun before them out of date; the change
    // on disk behind them brings the next one.
    connect(fModel, &QAbstractItemModel::rowsInserted, this, [this] { ++fListings; });
    connect(fModel, &QAbstractItemModel::rowsRemoved, this, [this] { ++fListings; });
}

QList<cMessageRef> cMessageList::DraggedMessages(const QMimeData *data)
{
    return cMsgListModel::MessagesOf(data);
}

void cMessageList::Load(const QString &folder, const QString &directory, const std::vector<cIndexEntry> &entries)
{
    Watch({});
    fModel->SetCaptions(MessageListCaptions(cMailStore::KindOf(folder)));
    fModel->Load(folder, directory, entries);
    if (!directory.isEmpty())
        fWatcher.addPath(directory);
    if (Count() > 0)
        SelectRow(0);
    fReportPaint = kReportRowsShown;
}

void cMessageList::LoadAcross(const QString &directory, const std::vector<cIndexEntry> &entries)
{
    LoadAcross(directory, cMsgListModel::PrepareAcross(entries, fModel->Sort(), fModel->Threaded()));
}

void cMessageList::LoadAcross(const QString &directory, cMsgListModel::cPrepared prepared)
{
    Watch({});
    fModel->SetCaptions(MessageListCaptions(eFolderKind::Inbox));
    QStringList folders = std::move(prepared.folders);
    fModel->LoadAcross(directory, std::move(prepared));
    for (QString &folder : folders)
        folder = directory + u'/' + folder;
    Watch(folders);
    if (Count() > 0)
        SelectRow(0);
}

bool cMessageList::LoadConversations(const QString &folder, const QStringList &folders)
{
    if (!fThreadsAcross || !fModel->Threaded() || folder.isEmpty())
        return false;
    LoadAcross(MailFolderRoot(), FolderConversations(folder, folders));
    return true;
}

// Looks made for the list before are out of date from here.
void cMessageList::Watch(const QStringList &directories)
{
    ++fListings;
    fFollowTimer.stop();
    if (const QStringList watched = fWatcher.directories(); !watched.isEmpty())
        fWatcher.removePaths(watched);
    if (!directories.isEmpty())
        fWatcher.addPaths(directories);
}

bool cMessageList::viewportEvent(QEvent *event)
{
    const bool handled = QTreeView::viewportEvent(event);
    if (fReportPaint && event->type() == QEvent::Paint) {
        fReportPaint = false;
        std::fprintf(stderr, "ravelin: rows painted: %d %s %lld\n", Count(), qPrintable(fModel->Directory()),
                     static_cast<long long>(monotonicMilliseconds()));
    }
    return handled;
}

void cMessageList::LoadCached(const QString &folder, const QString &directory, std::vector<cIndexEntry> entries)
{
    Load(folder, directory, entries);
    // The full listing also brings the cache up to date for the next time.
    LookInBackground([directory, cached = std::move(entries)]() mutable {
        std::vector<cFileStamp> stamps;
        for (cIndexEntry &entry : cFolderIndex::Relist(directory, std::move(cached)))
            stamps.push_back(std::move(entry.stamp));
        return stamps;
    });
}

// A stat per file is a fifth of a second for 100,000 messages: never on the window's thread.
void cMessageList::FollowFolder()
{
    if (fModel->Across())
        LookInBackground([directory = fModel->Directory(), names = fModel->Names()] { return stampsOf(directory, names); });
    else
        LookInBackground([directory = fModel->Directory()] { return cFolderIndex::Scan(directory); });
}

void cMessageList::LookInBackground(std::function<std::vector<cFileStamp>()> look)
{
    fLook.setFuture(QtConcurrent::run([look = std::move(look), listing = ++fListings] { return std::pair(listing, look()); }));
}

void cMessageList::LookDone()
{
    const auto &[listing, stamps] = fLook.future().result();
    // Rows loaded or looked at since this look began are newer than what it saw.
    if (listing == fListings)
        FollowStamps(stamps);
    emit Looked();
}

void cMessageList::FollowStamps(const std::vector<cFileStamp> &stamps)
{
    if (fModel->Follow(stamps))
        emit Followed();
}

void cMessageList::SetSort(const cMsgListSort &sort)
{
    header()->setSortIndicatorShown(sort.column >= 0);
    if (sort.column >= 0)
        header()->setSortIndicator(sort.column, sort.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    fModel->SetSort(sort);
}

const cMsgListSort &cMessageList::SortByColumn(int column)
{
    cMsgListSort sort = fModel->Sort();
    sort.descending = column == sort.column && !sort.descending;
    sort.column = column;
    SetSort(sort);
    if (currentIndex().isValid())
        scrollTo(currentIndex());
    return fModel->Sort();
}

void cMessageList::SetFilter(const QString &text)
{
    QList<int> ids;
    for (int row : SelectedRows())
        ids.append(fModel->IdOfRow(row));
    const int current = currentIndex().isValid() ? fModel->IdOfRow(currentIndex().row()) : -1;
    fModel->SetFilter(text);
    QList<int> rows;
    for (int id : ids)
        if (const int row = fModel->RowOfId(id); row >= 0)
            rows.append(row);
    Select(rows, current >= 0 ? fModel->RowOfId(current) : -1);
}

void cMessageList::SetThreaded(bool threaded)
{
    const cMessageRef current = currentIndex().isValid() ? fModel->Ref(currentIndex().row()) : cMessageRef();
    fModel->SetThreaded(threaded);
    if (const int row = fModel->RowOf(current); row >= 0)
        SelectRow(row);
}

void cMessageList::keyPressEvent(QKeyEvent *event)
{
    const bool sideways = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    if (!fModel->Threaded() || !sideways || !currentIndex().isValid()) {
        QTreeView::keyPressEvent(event);
        return;
    }
    const int row = currentIndex().row();
    if (event->key() == Qt::Key_Left) {
        SelectRow(fModel->Collapse(row));
        return;
    }
    const cMessageRef current = fModel->Ref(row);
    fModel->Expand(row);
    SelectRow(fModel->RowOf(current));
}

void cMessageList::Select(const QList<int> &rows, int current)
{
    QItemSelection selection;
    for (int row : rows)
        selection.select(fModel->index(row, 0), fModel->index(row, MsgColumn::Count - 1));
    if (current >= 0)
        selectionModel()->setCurrentIndex(fModel->index(current, 0), QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

int cMessageList::SelectedRow() const
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()->isRowSelected(current.row()))
        return current.row();
    const QList<int> rows = SelectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

QList<int> cMessageList::SelectedRows() const
{
    QList<int> rows;
    for (const QItemSelectionRange &range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void cMessageList::SelectRow(int row)
{
    selectionModel()->setCurrentIndex(fModel->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int cMessageList::RowOf(const cMessageRef &message) const
{
    return fModel->RowOf(message);
}

void cMessageList::TakeOut(const QList<cMessageRef> &messages)
{
    int firstGone = -1;
    for (const cMessageRef &message : messages)
        if (const int row = fModel->RowOf(message); row >= 0 && (firstGone < 0 || row < firstGone))
            firstGone = row;
    const QModelIndex current = currentIndex();
    const cMessageRef currentMessage = current.isValid() ? fModel->Ref(current.row()) : cMessageRef();
    fModel->TakeOut(messages);
    if (Count() == 0)
        return;
    if (firstGone >= 0)
        SelectRow(qMin(firstGone, Count() - 1));
    else if (const int row = fModel->RowOf(currentMessage); row >= 0)
        SelectRow(row);
}
