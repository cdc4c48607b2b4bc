// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Searches of the whole mail store in the main window. Enter in the quick filter box searches
// every folder for what was typed: a "Search results" item joins the folder tree and the list
// shows the messages found, with their folder, and works on them as on a folder's. A search
// can be saved under a name; saved searches stay in the tree after the folders and run again
// each time they are chosen. The query runs in search/ and the list's rows are made, both off
// the window's thread, while the count panel says "Searching...".
//
// Call order: made with the window's parts, then Wire; the window hands tree items to
// ShowIfSearch and asks Rerun where it would list a folder again.
#include "search/cListedSearch.h"
#include "search/cSavedSearches.h"
#include "storage/cResult.h"
#include "ui/main/cMsgListModel.h"

#include <QFutureWatcher>
#include <QObject>

#include <memory>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class TfrmMain;
struct cMainParts;

class cMainSearch : public QObject
{
    Q_OBJECT
public:
    cMainSearch(TfrmMain &window, const cMainParts &parts, QLineEdit &box);

    void Wire();

    // Searches every folder and shows the "Search results" item.
    void Search(const QString &query);
    // Runs the search of a search item and returns true; false for a folder's item.
    bool ShowIfSearch(QTreeWidgetItem *item);
    // Runs the shown search again; false when a folder is shown.
    bool Rerun();
    // How far the index's builder is in its round; results found meanwhile say so, and are
    // found again when the round ends (told as 0 of 0).
    void SetIndexing(qsizetype done, qsizetype total);
    // Asks for a name and keeps the shown search under it.
    void SaveShown();
    // A saved search's item: asks, forgets its query (never a message) and returns true.
    bool DeleteSaved(QTreeWidgetItem *item);
    static bool IsSaved(const QTreeWidgetItem *item);
    // The folders' items come first in the tree, the searches' after them.
    static int FirstSearchRow(const QTreeWidget &tree);
    // The query of a search item; empty for a folder's.
    static QString QueryOf(const QTreeWidgetItem *item);

private:
    struct cFound
    {
        int run = 0;
        cResult result;
        cMsgListModel::cPrepared rows;
    };

    QTreeWidgetItem *AddItem(const QString &caption, const QString &query, bool saved);
    static void SetQuery(QTreeWidgetItem *item, const QString &query);
    QTreeWidgetItem *SavedItem(const QString &name) const;
    void Run(const QString &query);
    void Done();

    TfrmMain &fWindow;
    const cMainParts &fParts;
    QLineEdit &fBox;
    QTreeWidgetItem *fResults = nullptr;
    QFutureWatcher<cFound> fFinding;
    // Shared with the search under way, which may end after the window.
    std::shared_ptr<cListedSearch> fListed = std::make_shared<cListedSearch>();
    int fRuns = 0; // a search started after another makes the older one's answer out of date
    qsizetype fIndexed = 0;
    qsizetype fToIndex = 0;
    bool fShownUnfinished = false; // results shown while the index was being built
};
