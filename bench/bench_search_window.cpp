// SPDX-License-Identifier: GPL-3.0-or-later
// Searching every folder from the main window in a store of 100,000 messages (half in Inbox,
// half in a user folder): the time from Enter in the quick filter box until the results are
// painted, for a query that finds 100, 10,000 and every message, and meanwhile the longest the
// window's event loop was kept from running ("stall_ms"). Then each keystroke typed into the box
// while a search of every message runs ("keystroke_ms", the slowest of them). Last, with every
// message found on screen: the stall while Enter searches again and the old results go, and the
// first letter typed into the box, which filters them ("first_keystroke_ms").
// Goals: the window never stalls over 50 ms while a search runs; a keystroke under 50 ms.
//
//   RAVELIN_BENCH_MESSAGES=N bench_search_window     (default 100,000)
#include "SearchMailbox.h"
#include "WindowBench.h"
#include "search/cSearchIndex.h"
#include "ui/main/cMessageList.h"
#include "ui/main/unitMain.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

const QString kSearching = u"Searching..."_s;

// The store, its index and a window showing Trash, made once; none of it is timed.
struct cSearchStore
{
    cSearchStore()
    {
        cSearchIndex index;
        if (!index.Open() || !index.Update(window.Store()))
            std::abort();
        window.resize(1000, 700);
        window.show();
        window.WireOwnCommands();
        window.LoadFolderTree();
        window.SelectFolder(u"Trash"_s);
    }

    QLineEdit *Box() const { return window.findChild<QLineEdit *>(u"edtFilter"_s); }
    cMessageList *List() const { return window.findChild<cMessageList *>(u"lstMsgs"_s); }

    cSearchMailbox mailbox{100000};
    TfrmMain window;
};

bool searching(const cSearchStore &store)
{
    return store.window.StatusText(2) == kSearching;
}

void BM_EnterToResults(benchmark::State &state)
{
    cSearchStore &store = WindowFixture<cSearchStore>();
    const QString query = state.range(0) == 0 ? u"quarterly"_s : state.range(0) == 1 ? u"weekly"_s : u"message"_s;
    double stall = 0;
    for (auto _ : state) {
        state.PauseTiming();
        store.window.SelectFolder(u"Trash"_s);
        store.Box()->setText(query);
        state.ResumeTiming();
        Press(store.Box(), Qt::Key_Return);
        stall = std::max(stall, LongestStallMs([&store] { return !searching(store); }));
        store.List()->viewport()->repaint();
    }
    state.SetLabel(query.toStdString());
    state.counters["hits"] = store.List()->Count();
    state.counters["stall_ms"] = stall;
}
BENCHMARK(BM_EnterToResults)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(5);

// Typing while a search of every message runs: the slowest keystroke, and the longest stall.
void BM_TypingWhileSearching(benchmark::State &state)
{
    cSearchStore &store = WindowFixture<cSearchStore>();
    double slowest = 0;
    double stall = 0;
    int typed = 0;
    for (auto _ : state) {
        store.window.SelectFolder(u"Trash"_s);
        store.Box()->setText(u"message"_s);
        Press(store.Box(), Qt::Key_Return);
        stall = std::max(stall, LongestStallMs([&store] { return !searching(store); }, [&] {
            if (!searching(store))
                return;
            QElapsedTimer keystroke;
            keystroke.start();
            Press(store.Box(), Qt::Key_A, u"a"_s);
            slowest = std::max(slowest, double(keystroke.nsecsElapsed()) / 1e6);
            ++typed;
        }));
        store.Box()->clear();
    }
    state.counters["keystrokes"] = typed;
    state.counters["keystroke_ms"] = slowest;
    state.counters["stall_ms"] = stall;
}
BENCHMARK(BM_TypingWhileSearching)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SearchAgainThenFilter(benchmark::State &state)
{
    cSearchStore &store = WindowFixture<cSearchStore>();
    const auto searchEverything = [&store] {
        store.Box()->setText(u"message"_s);
        Press(store.Box(), Qt::Key_Return);
        return LongestStallMs([&store] { return !searching(store); });
    };
    store.window.SelectFolder(u"Trash"_s);
    (void)searchEverything();
    double stall = 0;
    double slowest = 0;
    for (auto _ : state) {
        stall = std::max(stall, searchEverything());
        QElapsedTimer keystroke;
        keystroke.start();
        Press(store.Box(), Qt::Key_W, u"w"_s);
        slowest = std::max(slowest, double(keystroke.nsecsElapsed()) / 1e6);
        store.Box()->clear();
    }
    state.counters["hits"] = store.List()->Count();
    state.counters["stall_ms"] = stall;
    state.counters["first_keystroke_ms"] = slowest;
}
BENCHMARK(BM_SearchAgainThenFilter)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
