// SPDX-License-Identifier: GPL-3.0-or-later
// The main window over a store of N messages (half in Inbox, which it shows, half in a user
// folder) while the search index is kept up to date behind it, wired as the program wires it.
// BM_FirstIndex: the index is made from nothing; "index_s" is how long that takes, and a
// message that arrives a quarter of the way through is searched for until found
// ("found_during_build_ms"). BM_NewMailFound: messages arrive one by one into an index that is
// up to date; "found_ms" is the slowest from arrival until a search finds it. Both report the
// longest the window's event loop was kept from running meanwhile ("stall_ms").
// Goals: the window never stalls over 50 ms because of indexing; a new message is found within 1 s.
//
//   RAVELIN_BENCH_MESSAGES=N bench_index_window     (default 20,000; the goals are for 100,000)
#include "SearchMailbox.h"
#include "WindowBench.h"
#include "app/SearchWiring.h"
#include "search/cListedSearch.h"
#include "search/cSearchIndexer.h"
#include "storage/cQrzMailStore.h"
#include "ui/main/cMessageList.h"
#include "ui/main/unitMain.h"
#include "ui/transfer/cTransferEvents.h"

#include <QElapsedTimer>
#include <QFile>
#include <benchmark/benchmark.h>

#include <atomic>
#include <memory>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

struct cIndexingStore
{
    // A window as the program opens one, its list settled, with no index behind it yet.
    void OpenWindow()
    {
        window.reset();
        for (const char *suffix : {"", "-wal", "-shm", "-journal"})
            QFile::remove(cSearchIndex::DefaultPath() + QLatin1String(suffix));
        window = std::make_unique<TfrmMain>();
        window->resize(1000, 700);
        window->show();
        window->WireOwnCommands();
        window->LoadFolderTree();
        bool looked = false;
        auto *list = window->findChild<cMessageList *>(u"lstMsgs"_s);
        const QMetaObject::Connection seen = QObject::connect(list, &cMessageList::Looked, [&looked] { looked = true; });
        window->SelectFolder(u"Inbox"_s);
        (void)LongestStallMs([&looked] { return looked; });
        QObject::disconnect(seen);
        rounds = 0;
    }

    // Starts keeping the index up to date, as the program does once its window is open.
    void StartIndexing()
    {
        WireSearch(*window);
        QObject::connect(window->findChild<cSearchIndexer *>(), &cSearchIndexer::Finished, [this] { ++rounds; });
    }

    // A message stored in Inbox and announced as the transfer announces one; its one word
    // finds it.
    QString Arrive()
    {
        const QString word = u"arrival%1"_s.arg(++arrived);
        cMailMessage m = SampleMessage(20);
        m.Subject = word.toUtf8();
        m.DateTime = "09.12.2026 10:00:00";
        const QString path = MailFolderPath(u"Inbox"_s) + u"/new%1.qrz"_s.arg(arrived);
        (void)m.WriteFile(path, eDurability::Deferred);
        emit cTransferEvents::instance().MessageArrived(path, u"Inbox"_s);
        (void)window->InsertArrivedMessage(cQrzMailStore::RefOf(u"Inbox"_s, path), m);
        return word;
    }

    cSearchMailbox mailbox{20000};
    int arrived = 0;
    int rounds = 0; // of the indexer, since the window opened
    std::unique_ptr<TfrmMain> window;
};

// Searches on a thread of its own, as the window's searches run, until the word is found;
// the milliseconds from its start until then.
class cFinder
{
public:
    explicit cFinder(QString word)
        : fThread([this, word = std::move(word)](std::stop_token stop) {
              QElapsedTimer since;
              since.start();
              cListedSearch search;
              while (!stop.stop_requested()) {
                  if (const auto found = search.Find(word, cSearchIndex::DefaultPath()); found && !found.value().empty()) {
                      fMs = double(since.nsecsElapsed()) / 1e6;
                      return;
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          })
    {
    }
    bool Found() const { return fMs >= 0; }
    double Ms() const { return fMs; }

private:
    std::atomic<double> fMs = -1;
    std::jthread fThread;
};

void BM_FirstIndex(benchmark::State &state)
{
    cIndexingStore &store = WindowFixture<cIndexingStore>();
    double stall = 0;
    double seconds = 0;
    double foundDuring = 0;
    for (auto _ : state) {
        state.PauseTiming();
        store.OpenWindow();
        state.ResumeTiming();
        QElapsedTimer building;
        building.start();
        store.StartIndexing();
        std::unique_ptr<cFinder> finder;
        QObject::connect(store.window->findChild<cSearchIndexer *>(), &cSearchIndexer::Progress,
                         [&store, &finder](qsizetype done, qsizetype total) {
                             if (!finder && done * 4 >= total)
                                 finder = std::make_unique<cFinder>(store.Arrive());
                         });
        stall = std::max(stall, LongestStallMs([&] { return store.rounds > 0 && finder && finder->Found(); }));
        seconds = double(building.nsecsElapsed()) / 1e9;
        foundDuring = finder->Ms();
    }
    state.counters["messages"] = store.mailbox.count;
    state.counters["index_s"] = seconds;
    state.counters["found_during_build_ms"] = foundDuring;
    state.counters["stall_ms"] = stall;
}
BENCHMARK(BM_FirstIndex)->Unit(benchmark::kSecond)->Iterations(1);

void BM_NewMailFound(benchmark::State &state)
{
    cIndexingStore &store = WindowFixture<cIndexingStore>();
    if (!store.window || store.rounds == 0) {
        store.OpenWindow();
        store.StartIndexing();
        (void)LongestStallMs([&store] { return store.rounds > 0; });
    }
    double stall = 0;
    double slowest = 0;
    for (auto _ : state) {
        const int before = store.rounds;
        cFinder finder(store.Arrive());
        // Found, and the look over Inbox that its change on disk brings is done.
        stall = std::max(stall, LongestStallMs([&] { return finder.Found() && store.rounds >= before + 2; }));
        slowest = std::max(slowest, finder.Ms());
    }
    state.counters["found_ms"] = slowest;
    state.counters["stall_ms"] = stall;
}
BENCHMARK(BM_NewMailFound)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
