// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cMainSearch.h"

#include "storage/MailStorage.h"
#include "storage/ThreadPriority.h"
#include "ui/main/MainIcons.h"
#include "ui/main/MainParts.h"
#include "ui/main/unitMain.h"
#include "ui/wndlist/DialogParts.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLocale>
#include <QLineEdit>
#include <QMessageBox>
#include <QThreadPool>
#include <QTreeWidget>
#include <QtConcurrent>

namespace {

constexpr int kQueryRole = Qt::UserRole + 1;
constexpr int kSavedRole = Qt::UserRole + 2;
constexpr int kCountPanel = 2;

// Searches run below the window's priority: a search of every message keeps the cores busy
// for a second or more, and the window must still answer meanwhile. Their threads are never
// lent to other work, which would then run low too; the pool goes with the application, so a
// search may outlive the window that started it.
QThreadPool &searchPool()
{
    static QThreadPool *pool = new QThreadPool(QCoreApplication::instance());
    return *pool;
}

} // namespace

cMainSearch::cMainSearch(TfrmMain &window, const cMainParts &parts, QLineEdit &box)
    : QObject(&window), fWindow(window), fParts(parts), fBox(box)
{
    connect(&fFinding, &QFutureWatcherBase::finished, this, &cMainSearch::Done);
}

void cMainSearch::Wire()
{
    connect(&fBox, &QLineEdit::returnPressed, this, [this] { Search(fBox.text()); });
    fWindow.WireCommand(eMainCommand::mnuFile_Folder_SaveSearch, [this] { SaveShown(); });
    for (const cSavedSearch &saved : cSavedSearches::Read())
        AddItem(saved.name, saved.query, true);
}

QTreeWidgetItem *cMainSearch::AddItem(const QString &caption, const QString &query, bool saved)
{
    auto *item = new QTreeWidgetItem({caption});
    item->setIcon(0, FolderIcon(eFolderKind::User));
    SetQuery(item, query);
    item->setData(0, kSavedRole, saved);
    fParts.lstFolders->addTopLevelItem(item);
    return item;
}

void cMainSearch::SetQuery(QTreeWidgetItem *item, const QString &query)
{
    item->setToolTip(0, query);
    item->setData(0, kQueryRole, query);
}

QString cMainSearch::QueryOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, kQueryRole).toString() : QString();
}

bool cMainSearch::IsSaved(const QTreeWidgetItem *item)
{
    return item && item->data(0, kSavedRole).toBool();
}

int cMainSearch::FirstSearchRow(const QTreeWidget &tree)
{
    int row = 0;
    while (row < tree.topLevelItemCount() && QueryOf(tree.topLevelItem(row)).isEmpty())
        ++row;
    return row;
}

void cMainSearch::Search(const QString &query)
{
    if (query.trimmed().isEmpty())
        return;
    if (!fResults)
        fResults = AddItem(tr("Search results"), query, false);
    SetQuery(fResults, query);
    // The typed words found the results; left in the box they would filter them again.
    fBox.clear();
    if (fParts.lstFolders->currentItem() == fResults)
        Run(query);
    else
        fParts.lstFolders->setCurrentItem(fResults);
}

bool cMainSearch::ShowIfSearch(QTreeWidgetItem *item)
{
    const QString query = QueryOf(item);
    if (query.isEmpty())
        return false;
    Run(query);
    return true;
}

bool cMainSearch::Rerun()
{
    return ShowIfSearch(fParts.lstFolders->currentItem());
}

void cMainSearch::Run(const QString &query)
{
    fWindow.ShowSearchResults({});
    fWindow.SetStatusText(kCountPanel, tr("Searching..."));
    const cMsgListModel &model = *fParts.lstMsgs->Model();
    fFinding.setFuture(QtConcurrent::run(
        &searchPool(), [listed = fListed, query, index = cSearchIndex::DefaultPath(), sort = model.Sort(),
                        threaded = model.Threaded(), run = ++fRuns] {
            LowerThreadPriority();
            const cResultOf<std::vector<cIndexEntry>> found = listed->Find(query, index);
            return cFound{run, found.result(), cMsgListModel::PrepareAcross(found.value(), sort, threaded)};
        }));
}

void cMainSearch::Done()
{
    cFound found = fFinding.future().takeResult();
    if (found.run != fRuns || QueryOf(fParts.lstFolders->currentItem()).isEmpty())
        return;
    fWindow.ShowSearchResults(std::move(found.rows));
    if (!found.result)
        fWindow.ShowStatusNote(found.result.text());
    fShownUnfinished = fIndexed < fToIndex;
    if (fShownUnfinished) {
        const QLocale locale;
        fWindow.SetStatusText(kCountPanel, tr("%1 - Index is being built: %2 of %3 messages")
                                               .arg(fWindow.StatusText(kCountPanel), locale.toString(fIndexed),
                                                    locale.toString(fToIndex)));
    }
}

void cMainSearch::SetIndexing(qsizetype done, qsizetype total)
{
    fIndexed = done;
    fToIndex = total;
    if (done >= total && fShownUnfinished) {
        fShownUnfinished = false;
        (void)Rerun();
    }
}

void cMainSearch::SaveShown()
{
    const QString query = QueryOf(fParts.lstFolders->currentItem());
    if (query.isEmpty()) {
        QMessageBox::information(&fWindow, tr("Save search"),
                                 tr("Search first: type the words in the box above the list and press Enter."));
        return;
    }
    const QString name =
        QInputDialog::getText(&fWindow, tr("Save search"), tr("Name of the search:"), QLineEdit::Normal, query).simplified();
    if (name.isEmpty())
        return;
    if (const cResult saved = cSavedSearches::Save({name, query}); !saved) {
        QMessageBox::warning(&fWindow, tr("Cannot save the search"), saved.text());
        return;
    }
    QTreeWidgetItem *item = SavedItem(name);
    if (item) {
        SetQuery(item, query);
    } else {
        item = AddItem(name, query, true);
    }
    fParts.lstFolders->setCurrentItem(item);
}

QTreeWidgetItem *cMainSearch::SavedItem(const QString &name) const
{
    for (int row = 0; row < fParts.lstFolders->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = fParts.lstFolders->topLevelItem(row);
        if (IsSaved(item) && item->text(0).compare(name, Qt::CaseInsensitive) == 0)
            return item;
    }
    return nullptr;
}

bool cMainSearch::DeleteSaved(QTreeWidgetItem *item)
{
    if (!IsSaved(item))
        return false;
    if (!AskYesNo(&fWindow, tr("Confirmation"),
                  tr("Delete the saved search \"%1\"? The messages it finds stay where they are.").arg(item->text(0))))
        return true;
    if (const cResult removed = cSavedSearches::Remove(item->text(0)); !removed) {
        QMessageBox::warning(&fWindow, tr("Cannot delete the saved search"), removed.text());
        return true;
    }
    delete item;
    fWindow.SelectFolder(FolderName(eFolderKind::Inbox));
    return true;
}
