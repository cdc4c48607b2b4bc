// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SearchWiring.h"

#include "search/cSearchIndexer.h"
#include "storage/cMailStore.h"
#include "ui/main/cMainSearch.h"
#include "ui/main/unitMain.h"
#include "ui/transfer/cTransferEvents.h"

#include <QFileInfo>
#include <QLocale>

#include <memory>

namespace {

// The panel the transfer windows and commands report in.
constexpr int kStatusPanel = 1;

QString progressText(qsizetype done, qsizetype total)
{
    const QLocale locale;
    return QObject::tr("Indexing messages for search: %1 of %2").arg(locale.toString(done), locale.toString(total));
}

} // namespace

void WireSearch(TfrmMain &frmMain)
{
    const cMailStore &store = frmMain.Store();
    auto *indexer = new cSearchIndexer(store, QString(), &frmMain);
    QObject::connect(&cTransferEvents::instance(), &cTransferEvents::MessageArrived, indexer,
                     [indexer](const QString &path, const QString &folder) {
                         indexer->Add(folder, QFileInfo(path).fileName());
                     });
    QObject::connect(&store, &cMailStore::FolderChanged, indexer,
                     [indexer](const QString &folder) { indexer->Refresh({folder}); });
    // The last progress shown, cleared at the end unless another text took its place.
    auto shown = std::make_shared<QString>();
    QObject::connect(indexer, &cSearchIndexer::Progress, &frmMain, [&frmMain, shown](qsizetype done, qsizetype total) {
        frmMain.Search().SetIndexing(done, total);
        if (done >= total)
            return;
        *shown = progressText(done, total);
        frmMain.SetStatusText(kStatusPanel, *shown);
    });
    QObject::connect(indexer, &cSearchIndexer::Finished, &frmMain, [&frmMain, shown](bool ok, const QString &failure) {
        frmMain.Search().SetIndexing(0, 0);
        if (!ok)
            frmMain.SetStatusText(kStatusPanel, failure);
        else if (!shown->isEmpty() && frmMain.StatusText(kStatusPanel) == *shown)
            frmMain.SetStatusText(kStatusPanel, QString());
        shown->clear();
    });
    indexer->Watch();
    indexer->Refresh();
}
