// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entries of the message list for one folder: a plain vector of small rows and the order
// they are shown in, so a folder of any size costs only what is on screen. It sorts by one
// column (texts without case, Date&Time by the moment it names) and filters by a text found in
// Subject or the person column, both on strings folded once, when first needed. It follows the
// folder's files (Follow) by inserting, removing and updating single rows, so the views keep
// their selection.
//
// A row is named by its message's key in the shown folder; in a list of several folders
// (LoadAcross) by "<folder>/<key>", and it shows the folder in a column of its own. Ref gives
// the message commands act on. The directory is only where the rows' files are followed.
#include "storage/cFolderIndex.h"
#include "storage/cMailStore.h"
#include "storage/eFolderKind.h"
#include "ui/main/MainWindowRules.h"
#include "ui/main/MainWindowSettings.h"
#include "ui/main/cMsgThreads.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QHash>
#include <QIcon>
#include <QSet>

#include <array>
#include <vector>

class cMsgListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static const QString kMessagesMimeType;
    // What a drag of rows carries, and the messages it names.
    static QMimeData *MessagesData(const QList<cMessageRef> &messages);
    static QList<cMessageRef> MessagesOf(const QMimeData *data);

    explicit cMsgListModel(QList<QIcon> images, QObject *parent = nullptr);

    struct cRow
    {
        cFileStamp stamp;
        std::array<QString, MsgColumn::Count> texts;
        QString folded; // Subject, a line break, the person; case-folded once fFolded
        qint64 timeKey = 0; // the entry's dateKey
        int subjectLength = 0;
        quint8 icon = 0;
        quint8 readIcon = 0;
        QByteArray messageId;
        QByteArray references;
    };
    // Rows of several folders made and put in order off the window's thread, so that showing
    // a search of 100,000 hits costs the window no more than handing them over.
    struct cPrepared
    {
        std::vector<cRow> rows;
        std::vector<int> order;
        cMsgThreads threads;
        cMsgListSort sort;
        bool threaded = false;
        bool folded = false;
        QStringList folders; // those the rows are in, each once
    };
    // Safe on any thread.
    static cPrepared PrepareAcross(const std::vector<cIndexEntry> &entries, const cMsgListSort &sort, bool threaded);

    void SetCaptions(const QStringList &captions);
    // A folder's entries, each named by its key, in the order given until sorted; their files
    // are in the directory, if any.
    void Load(const QString &folder, const QString &directory, const std::vector<cIndexEntry> &entries);
    // Entries of several folders under one directory, each named "<folder>/<file>".
    void LoadAcross(const QString &directory, const std::vector<cIndexEntry> &entries);
    // The same prepared; sorted again when the order asked for changed meanwhile.
    void LoadAcross(const QString &directory, cPrepared prepared);
    QString Directory() const { return fDirectory; }
    bool Across() const { return fAcross; }
    // The names of every row, as the entries gave them.
    QStringList Names() const;
    int Total() const { return int(fRows.size()); }

    cMessageRef Ref(int row) const;
    int Icon(int row) const;
    void SetIcon(int row, int icon);
    int ReadIcon(int row) const;
    void SetReadIcon(int row, int icon);
    // The shown row of the message, or -1.
    int RowOf(const cMessageRef &message) const;
    // Row ids stay while the filter changes, not when rows come or go.
    int IdOfRow(int row) const;
    int RowOfId(int id) const;

    void SetSort(const cMsgListSort &sort);
    const cMsgListSort &Sort() const { return fSort; }
    // Rows whose Subject or person holds the text, without case; empty shows all.
    void SetFilter(const QString &text);
    // Grouped into threads (cMsgThreads), each shown whole until collapsed.
    void SetThreaded(bool threaded);
    bool Threaded() const { return fThreaded; }
    // The thread of the row shows its first message only; returns that message's row.
    int Collapse(int row);
    void Expand(int row);

    // A message stored meanwhile: put at its place in the order, at the top while unsorted.
    void Insert(const cIndexEntry &entry);
    // Takes the files' rows out in one step (views forget their selection).
    void TakeOut(const QList<cMessageRef> &messages);
    // Brings the rows in line with the folder's files as listed now: rows of files gone go,
    // new and changed files are read. Returns whether anything changed.
    bool Follow(const std::vector<cFileStamp> &stamps);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override;

private:

    void Fill(const QString &folder, const QString &directory, const std::vector<cIndexEntry> &entries, bool across);
    cRow MakeRow(const cIndexEntry &entry) const;
    static void Fold(cRow &row);
    static void Discard(std::vector<cRow> rows);
    void FoldAll();
    QStringView FoldedText(const cRow &row, int column) const;
    QStringView Text(const cRow &row, int column) const;
    bool Before(int a, int b) const;
    bool Passes(const cRow &row) const;
    bool InCollapsedThread(int id) const;
    void Rethread();
    QString SubjectText(int id) const;
    void ForgetNames();
    const QHash<QString, int> &IdOfName() const;
    void SortAll();
    void FilterAll();
    void RebuildRowOfId();
    // Where the id goes in an order: after its equals, at the top while unsorted.
    int PlaceIn(const std::vector<int> &order, int id) const;
    bool InPlace(int id) const;
    void InsertRow(const cIndexEntry &entry);
    void Update(int id, const cIndexEntry &entry);
    void RemoveIds(const QList<int> &ids);
    void Compact(const std::vector<bool> &gone);

    QList<QIcon> fImages;
    QStringList fCaptions;
    QString fDirectory;
    QString fFolder;
    bool fAcross = false;
    eFolderKind fKind = eFolderKind::Inbox;
    std::vector<cRow> fRows;
    bool fFolded = false;
    std::vector<int> fOrder;   // every row id in the sort order
    std::vector<int> fShown;   // the ids of fOrder that pass the filter
    mutable QHash<QString, int> fIdOfName;
    mutable bool fNamesKnown = false;
    std::vector<int> fRowOfId; // shown row of each id, -1 when filtered out
    cMsgListSort fSort;
    QString fFilter;           // case-folded
    bool fThreaded = false;
    cMsgThreads fThreads;
    QSet<QString> fCollapsed;  // the names of the first messages of collapsed threads
    QCollator fCollator;
};
