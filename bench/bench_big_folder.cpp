// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a folder of 100,000 messages in the main window, with a fresh listing cache and
// without one, next to the floor measured in the same run: opening each file and reading its
// first 4 KiB. Each result carries its time as a multiple of that floor ("vs_floor"). The folder
// is written again for each form of date text (DateForms.h), and each is a variant
// ("BM_OpenFolderWithFreshCache/de_DE"). Then a keystroke of the quick filter on the full list,
// View > Threads switched on, and the memory the shown folder holds.
// Goals: cached under 0.3 s until the list shows, uncached within 1.5 times the floor, a
// keystroke under 50 ms, under 200 MB for the rows.
#include "DateForms.h"
#include "PeakMemory.h"
#include "SampleMail.h"
#include "WindowBench.h"
#include "storage/MailStorage.h"
#include "storage/cFolderIndex.h"
#include "storage/cOptions.h"
#include "ui/main/cMessageList.h"
#include "ui/main/unitMain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMessages = 100000;

void fillInbox(const QString &inbox, const cDateForm &form)
{
    QDir(inbox).removeRecursively();
    QDir().mkpath(inbox);
    cMailMessage m = SampleMessage(20);
    for (int n = 0; n < kMessages; ++n) {
        m.Subject = "Message number " + QByteArray::number(n);
        m.DateTime = StoredDate(form, n);
        m.Read = n % 3 != 0;
        m.attachments = n % 7 == 0 ? QStringList{u"/att/file.pdf"_s} : QStringList{};
        (void)m.WriteFile(inbox + u"/mail%1.qrz"_s.arg(n), eDurability::Deferred);
    }
}

// The mailbox and a window showing nothing yet, made once; generation is never timed.
struct cBigMailbox
{
    cBigMailbox()
    {
        qputenv("RAVELIN_CONFIG_DIR", QFile::encodeName(dir.filePath(u"config"_s)));
        (void)cOptions::write(Opt::MailFolder, dir.filePath(u"mail"_s));
        InitMailStorage();
        inbox = MailFolderPath(u"Inbox"_s);
        window.resize(1000, 700);
        window.show();
    }

    // The folder written with dates of the form; nothing is done when it already is.
    void Use(const cDateForm &form)
    {
        if (shownForm == form.name)
            return;
        window.LoadMessageList(u"Trash"_s);
        fillInbox(inbox, form);
        shownForm = form.name;
        floorSeconds = MeasureFloor();
    }

    static double SecondsOf(const std::function<void()> &work)
    {
        QElapsedTimer timer;
        timer.start();
        work();
        return double(timer.nsecsElapsed()) / 1e9;
    }

    double MeasureFloor() const
    {
        const QDir dir(inbox);
        double best = 1e9;
        for (int round = 0; round < 3; ++round)
            best = std::min(best, SecondsOf([&dir] { benchmark::DoNotOptimize(OpenAndReadEach(dir)); }));
        return best;
    }

    cMessageList *List() const { return window.findChild<cMessageList *>(u"lstMsgs"_s); }

    QTemporaryDir dir;
    QString inbox;
    TfrmMain window;
    QByteArray shownForm;
    double floorSeconds = 0;
};

// The folder with dates of the form, or of any when none is asked for.
cBigMailbox &mailbox(const cDateForm *form = nullptr)
{
    cBigMailbox &box = WindowFixture<cBigMailbox>();
    if (form)
        box.Use(*form);
    else if (box.shownForm.isEmpty())
        box.Use(kDateForms.front());
    return box;
}

void reportAgainstFloor(benchmark::State &state, double seconds)
{
    state.counters["floor_ms"] = mailbox().floorSeconds * 1000;
    state.counters["vs_floor"] = seconds / double(state.iterations()) / mailbox().floorSeconds;
}

// Peak resident memory while a window shows the folder, over that of the same process before;
// run first, before freed memory of other runs can hide the growth.
void BM_MemoryForTheRows(benchmark::State &state)
{
    cBigMailbox &box = mailbox();
    for (auto _ : state) {
        box.window.LoadMessageList(u"Trash"_s);
        ResetPeak();
        const qint64 before = PeakResident();
        box.window.LoadMessageList(u"Inbox"_s);
        state.counters["rows_MB"] = double(PeakResident() - before) / 1e6;
    }
}
BENCHMARK(BM_MemoryForTheRows)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Floor_OpenAndRead4KiB(benchmark::State &state)
{
    cBigMailbox &box = mailbox();
    double seconds = 0;
    for (auto _ : state)
        seconds += box.MeasureFloor();
    reportAgainstFloor(state, seconds);
}
BENCHMARK(BM_Floor_OpenAndRead4KiB)->Unit(benchmark::kMillisecond)->Iterations(1);

// The processor time of every thread of the process, in seconds.
double processorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// As a click on the folder opens it. The list shows first and its files are checked behind it
// (without the cache, the cache is written there too); "checked_vs_floor" is the time until that
// is done, waited for each time so that no cache written behind reaches the next round. "shown_ms" is the
// time until the list shows, "shown_cpu_ms" the processor time all threads spent on it: on a
// machine others share, the first grows with their load and the second does not.
void openInbox(benchmark::State &state, const cDateForm &form, bool withCache)
{
    cBigMailbox &box = mailbox(&form);
    box.window.LoadMessageList(u"Inbox"_s); // the cache is fresh from here on
    double seconds = 0;
    double checkedSeconds = 0;
    double processor = 0;
    for (auto _ : state) {
        state.PauseTiming();
        box.window.LoadMessageList(u"Trash"_s);
        if (!withCache)
            QFile::remove(box.inbox + u'/' + cFolderIndex::kFileName);
        QEventLoop checking;
        const QMetaObject::Connection done = QObject::connect(box.List(), &cMessageList::Looked, &checking, &QEventLoop::quit);
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        const double processorBefore = processorSeconds();
        box.window.OpenMessageList(u"Inbox"_s);
        seconds += double(timer.nsecsElapsed()) / 1e9;
        processor += processorSeconds() - processorBefore;
        checking.exec();
        checkedSeconds += double(timer.nsecsElapsed()) / 1e9;
        QObject::disconnect(done);
        if (box.List()->Count() != kMessages)
            state.SkipWithError("wrong message count");
    }
    reportAgainstFloor(state, seconds);
    state.counters["shown_ms"] = seconds / double(state.iterations()) * 1000;
    state.counters["shown_cpu_ms"] = processor / double(state.iterations()) * 1000;
    state.counters["checked_vs_floor"] = checkedSeconds / double(state.iterations()) / mailbox().floorSeconds;
}

// Both ways for one form before the next, so each folder is written once.
const bool kOpenFolderRegistered = [] {
    for (const cDateForm &form : kDateForms) {
        const std::string name = std::string("/") + form.name;
        benchmark::RegisterBenchmark(("BM_OpenFolderWithFreshCache" + name).c_str(), openInbox, form, true)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
        benchmark::RegisterBenchmark(("BM_OpenFolderWithoutCache" + name).c_str(), openInbox, form, false)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    }
    return true;
}();

// Typing "number 4" into the box, one keystroke per iteration, then taking it back.
void BM_FilterKeystroke(benchmark::State &state)
{
    cBigMailbox &box = mailbox();
    box.window.LoadMessageList(u"Inbox"_s);
    const QString typed = u"number 4"_s;
    int length = 0;
    for (auto _ : state) {
        length = length % int(typed.size()) + 1;
        box.List()->SetFilter(typed.left(length));
    }
    box.List()->SetFilter({});
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);

// View > Threads switched on for the full list, each message a thread of its own.
void BM_ThreadsOn(benchmark::State &state)
{
    cBigMailbox &box = mailbox();
    box.window.LoadMessageList(u"Inbox"_s);
    for (auto _ : state) {
        box.List()->SetThreaded(true);
        state.PauseTiming();
        box.List()->SetThreaded(false);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ThreadsOn)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

