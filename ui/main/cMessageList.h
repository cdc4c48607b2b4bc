// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message list widget: report view over a cMsgListModel, full rows, several rows
// selectable, nothing editable. It sorts by the column whose header was clicked last (again:
// the other way round), filters by a typed text, and follows the shown folder on disk: files
// another process adds, removes or changes show up after a short pause that gathers a burst
// into one look at the directory. Dragged entries carry their messages, so a folder of the tree
// can tell a drag of this list's messages from any other drop.
//
// Set RAVELIN_REPORT_ROWS_SHOWN and each load writes a line to standard error when its rows are
// first painted: "ravelin: rows painted: <count> <directory> <ms>", the time in milliseconds
// of CLOCK_MONOTONIC, which a script driving the program reads on the same clock.
#include "ui/main/MainWindowSettings.h"
#include "ui/main/cMsgListModel.h"

#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QTimer>
#include <QTreeView>

#include <functional>

class cMessageList : public QTreeView
{
    Q_OBJECT
public:
    // How long the list waits after a change on disk before it looks.
    static constexpr int kFollowDelay = 200;

    explicit cMessageList(QList<QIcon> images, QWidget *parent = nullptr);

    static const QString &kMessagesMimeType;
    static QList<cMessageRef> DraggedMessages(const QMimeData *data);

    cMsgListModel *Model() const { return fModel; }
    // A folder's entries, followed in its directory (if any) from now on; the current row is
    // the first.
    void Load(const QString &folder, const QString &directory, const std::vector<cIndexEntry> &entries);
    // The same from the folder's listing cache or a read without it, shown at once; every file
    // is checked behind it, what changed since follows as a change on disk would, and the cache
    // is written when it was not up to date.
    void LoadCached(const QString &folder, const QString &directory, std::vector<cIndexEntry> entries);
    // Entries of several folders under one directory, each named "<folder>/<file>"; the files
    // are followed as they go or change, and no other file joins the list.
    void LoadAcross(const QString &directory, const std::vector<cIndexEntry> &entries);
    void LoadAcross(const QString &directory, cMsgListModel::cPrepared prepared);
    int Count() const { return fModel->rowCount(); }

    void SetSort(const cMsgListSort &sort);
    // The header click: sorts and returns the order to keep.
    const cMsgListSort &SortByColumn(int column);
    // The rows that stay selected stay so, and the current one where it still shows.
    void SetFilter(const QString &text);
    // Grouped into threads or not; the current message stays current.
    void SetThreaded(bool threaded);
    // Threads of a folder also show their messages in other folders (FolderConversations).
    void SetThreadsAcross(bool across) { fThreadsAcross = across; }
    bool ThreadsAcross() const { return fThreadsAcross; }
    // A folder's conversations across folders, when the list shows them; false when it shows
    // folders one by one.
    bool LoadConversations(const QString &folder, const QStringList &folders);

    // The current row when it is selected, else the first selected one; -1 for none.
    int SelectedRow() const;
    QList<int> SelectedRows() const;
    void SelectRow(int row);
    // The row listing the message; -1 when none does.
    int RowOf(const cMessageRef &message) const;
    // Takes the messages' entries out and makes current the one now at the place of the first
    // of them, or the last one when fewer remain.
    void TakeOut(const QList<cMessageRef> &messages);

signals:
    // Rows came, went or changed because the folder changed on disk.
    void Followed();
    // A look at the folder's files, behind LoadCached or after a change on disk, is done.
    void Looked();

protected:
    bool viewportEvent(QEvent *event) override;
    // Left and Right collapse and expand the current thread.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Watch(const QStringList &directories);
    void FollowFolder();
    void LookInBackground(std::function<std::vector<cFileStamp>()> look);
    void LookDone();
    void FollowStamps(const std::vector<cFileStamp> &stamps);
    void Select(const QList<int> &rows, int current);

    cMsgListModel *fModel;
    QFileSystemWatcher fWatcher;
    QTimer fFollowTimer;
    // The look at the folder's files: the listing it belongs to, and the files' stamps.
    QFutureWatcher<std::pair<int, std::vector<cFileStamp>>> fLook;
    // Counts the times the rows were brought in line with the disk.
    int fListings = 0;
    // With RAVELIN_REPORT_ROWS_SHOWN set, the first paint after a load writes its time to
    // standard error, for benchmarks that drive the program from outside.
    bool fReportPaint = false;
    bool fThreadsAcross = false;
};
