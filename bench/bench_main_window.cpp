// SPDX-License-Identifier: GPL-3.0-or-later
// The main window listing a folder of 10,000 messages and previewing the first, as selecting
// the folder does, once for each form of date text (a folder each, DateForms.h), and deleting
// 1,000 selected messages of Inbox, the list updated (goals: under 0.5 s each). bench_storage
// measures the header reading alone.
#include "DateForms.h"
#include "SampleMail.h"
#include "WindowBench.h"
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"
#include "storage/cOptions.h"
#include "ui/main/cMessageList.h"
#include "ui/main/unitMain.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMessages = 10000;

void fillFolder(const QString &folder, const cDateForm &form)
{
    const QString path = MailFolderPath(folder);
    QDir().mkpath(path);
    cMailMessage m = SampleMessage(40);
    for (int n = 0; n < kMessages; ++n) {
        m.Subject = "Message number " + QByteArray::number(n);
        m.DateTime = StoredDate(form, n);
        m.Read = n % 3 != 0;
        m.attachments = n % 7 == 0 ? QStringList{u"/att/file.pdf"_s} : QStringList{};
        (void)m.WriteFile(path + u"/mail%1.qrz"_s.arg(n));
    }
}

// The folder holding the form's dates.
QString folderOf(const cDateForm &form)
{
    return u"Dates "_s + QLatin1StringView(form.name);
}

struct cBenchMailbox
{
    cBenchMailbox()
    {
        qputenv("RAVELIN_CONFIG_DIR", QFile::encodeName(dir.filePath(u"config"_s)));
        (void)cOptions::write(Opt::MailFolder, dir.filePath(u"mail"_s));
        InitMailStorage();
        fillFolder(u"Inbox"_s, kDateForms.back());
        for (const cDateForm &form : kDateForms)
            fillFolder(folderOf(form), form);
    }
    QTemporaryDir dir;
};

cBenchMailbox &mailbox()
{
    return WindowFixture<cBenchMailbox>();
}

void listAndPreviewFolder(benchmark::State &state, const cDateForm &form)
{
    mailbox();
    TfrmMain window;
    window.resize(1000, 700);
    window.show();
    auto *list = window.findChild<cMessageList *>(u"lstMsgs"_s);
    for (auto _ : state) {
        window.LoadMessageList(folderOf(form));
        if (list->Count() != kMessages)
            state.SkipWithError("wrong message count");
    }
    state.SetItemsProcessed(state.iterations() * kMessages);
}

const bool kListAndPreviewRegistered = [] {
    for (const cDateForm &form : kDateForms)
        benchmark::RegisterBenchmark((std::string("BM_ListAndPreviewFolder/") + form.name).c_str(),
                                     listAndPreviewFolder, form)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(3.0);
    return true;
}();

constexpr int kSelected = 1000;

void selectEveryTenth(cMessageList *list)
{
    list->SelectRow(0);
    QItemSelection every;
    for (int row = 0; row < list->Count(); row += kMessages / kSelected)
        every.select(list->Model()->index(row, 0), list->Model()->index(row, MsgColumn::Count - 1));
    list->selectionModel()->select(every, QItemSelectionModel::ClearAndSelect);
}

// Puts the messages taken away back into Inbox, under their own names.
void restoreInbox(const QString &from)
{
    QDir dir(MailRoot() + u"/Mail/"_s + from);
    for (const QString &name : dir.entryList({u"*.qrz"_s}, QDir::Files))
        QFile::rename(dir.filePath(name), MailRoot() + u"/Mail/Inbox/"_s + name);
}

template <typename Act> void measureTakingAway(benchmark::State &state, const QString &into, Act act)
{
    mailbox();
    TfrmMain window;
    window.WireOwnCommands();
    if (!window.FormCreate({[] { return InitMailStorage(); }, {}, [] { return true; }}))
        state.SkipWithError("no window");
    window.resize(1000, 700);
    auto *list = window.findChild<cMessageList *>(u"lstMsgs"_s);
    for (auto _ : state) {
        state.PauseTiming();
        restoreInbox(into);
        window.LoadMessageList(u"Inbox"_s);
        selectEveryTenth(list);
        state.ResumeTiming();
        act(window);
        if (list->Count() != kMessages - kSelected) {
            state.SkipWithError("wrong message count");
            break;
        }
    }
    restoreInbox(into);
    state.SetItemsProcessed(state.iterations() * kSelected);
}

void BM_DeleteSelected(benchmark::State &state)
{
    measureTakingAway(state, u"Trash"_s,
                      [](TfrmMain &window) { window.Command(eMainCommand::tb_Delete)->trigger(); });
}
BENCHMARK(BM_DeleteSelected)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

