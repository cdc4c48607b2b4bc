// SPDX-License-Identifier: GPL-3.0-or-later
// The preview showing hostile HTML in the litehtml view, read and laid out whole on the window's
// thread (goal: under 100 ms each): 24 nested tables, a table of 5,000 cells, 30,000 nested
// elements, a 1 MB attribute value; and newsletters of 200 KB and 5 MB the same way, the peer of
// what follows. A 200 KB newsletter through the whole preview, the count of its remote items
// included (goal: under 100 ms); a 5 MB one, prepared aside, for the longest time the window does
// not answer: given as its body, as an HTML-only original shown as HTML and as plain text, and
// made wider once shown. Hostile HTML at full size, prepared aside the same way: 100,000 nested
// divs and tables, a table of 10,000 x 100 cells and 1 MB values of the attributes the engine
// reads, each for its window stall, the time until shown and the peak memory of the process.
#include "HtmlMail.h"
#include "PeakMemory.h"
#include "WindowBench.h"
#include "ui/main/cHtmlLayout.h"
#include "ui/main/cHtmlView.h"
#include "ui/main/cPreviewBrowser.h"
#include "ui/main/cPreviewPane.h"
#include "storage/cOptions.h"
#include "tests/support/cScratchSettings.h"
#include "transfer/cIncomingStore.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QImage>
#include <QScrollBar>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include <ctime>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

QString nestedTables(int levels)
{
    return u"<table border=\"1\"><tr><td>cell</td><td>level"_s.repeated(levels) + u"deepest"_s
           + u"</td></tr></table>"_s.repeated(levels);
}

QString wideTable(int rows)
{
    return u"<table>"_s + u"<tr><td>a</td><td>b</td><td>c</td><td>d</td><td>e</td></tr>"_s.repeated(rows)
           + u"</table>"_s;
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct cBenchView
{
    cBenchView()
    {
        view.resize(800, 600);
        view.show();
    }
    cHtmlView view;
};

struct cBenchPane
{
    cBenchPane()
    {
        pane.resize(800, 600);
        pane.show();
    }
    cPreviewPane pane;
};

void measureShowing(benchmark::State &state, const QString &html)
{
    cHtmlView &view = WindowFixture<cBenchView>().view;
    for (auto _ : state) {
        view.ShowHtml(html);
        benchmark::DoNotOptimize(view.DocumentSize());
    }
    state.counters["html_bytes"] = double(html.toUtf8().size());
}

void BM_PreviewNestedTables(benchmark::State &state)
{
    measureShowing(state, nestedTables(24));
}
BENCHMARK(BM_PreviewNestedTables)->Unit(benchmark::kMillisecond);

void BM_PreviewWideTable(benchmark::State &state)
{
    measureShowing(state, wideTable(1000));
}
BENCHMARK(BM_PreviewWideTable)->Unit(benchmark::kMillisecond);

void BM_PreviewNestedElements(benchmark::State &state)
{
    measureShowing(state, u"<div><ul><li><font>"_s.repeated(7500) + u"inside"_s);
}
BENCHMARK(BM_PreviewNestedElements)->Unit(benchmark::kMillisecond);

void BM_PreviewHugeAttribute(benchmark::State &state)
{
    measureShowing(state, u"<p title=\""_s + QString(1024 * 1024, u'x') + u"\">text</p>"_s);
}
BENCHMARK(BM_PreviewHugeAttribute)->Unit(benchmark::kMillisecond);

// The litehtml view given a newsletter's HTML, read and laid out at once on the window's thread:
// what the window would be held for without a worker.
void BM_HtmlViewNewsletter(benchmark::State &state)
{
    measureShowing(state, Newsletter(int(state.range(0))));
}
BENCHMARK(BM_HtmlViewNewsletter)->Arg(200)->Arg(5 * 1024)->Unit(benchmark::kMillisecond);

// The same view made 100 pixels wider and narrower again: a layout of the whole message each time,
// on the window's thread.
void BM_HtmlViewNewsletterResize(benchmark::State &state)
{
    cHtmlView &view = WindowFixture<cBenchView>().view;
    view.resize(800, 600);
    view.ShowHtml(Newsletter(int(state.range(0))));
    for (auto _ : state) {
        view.resize(view.width() == 800 ? 900 : 800, view.height());
        benchmark::DoNotOptimize(view.DocumentSize());
    }
}
BENCHMARK(BM_HtmlViewNewsletterResize)->Arg(200)->Arg(5 * 1024)->Unit(benchmark::kMillisecond);

// Scrolling the view a wheel step (three lines) at a time down a newsletter and painting it,
// as the window does for each step; then the same a page at a time, and painting the same place
// again (another window moved over it).
void measureScrolling(benchmark::State &state, int step)
{
    cHtmlView &view = WindowFixture<cBenchView>().view;
    view.resize(800, 600);
    view.ShowHtml(Newsletter(int(state.range(0))));
    QScrollBar &bar = *view.verticalScrollBar();
    bar.setValue(0);
    // Into a picture of the screen's kind: the offscreen window may not be exposed to paint.
    QImage screen(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    view.viewport()->render(&screen);
    for (auto _ : state) {
        bar.setValue(bar.value() + step >= bar.maximum() ? 0 : bar.value() + step);
        view.viewport()->render(&screen);
    }
}

void BM_HtmlViewScrollByWheel(benchmark::State &state)
{
    measureScrolling(state, 3 * 20);
}
BENCHMARK(BM_HtmlViewScrollByWheel)->Arg(200)->Arg(5 * 1024)->Unit(benchmark::kMillisecond);

void BM_HtmlViewScrollByPage(benchmark::State &state)
{
    measureScrolling(state, 600);
}
BENCHMARK(BM_HtmlViewScrollByPage)->Arg(200)->Arg(5 * 1024)->Unit(benchmark::kMillisecond);

void BM_HtmlViewRepaint(benchmark::State &state)
{
    measureScrolling(state, 0);
}
BENCHMARK(BM_HtmlViewRepaint)->Arg(200)->Arg(5 * 1024)->Unit(benchmark::kMillisecond);

void measureNewsletter(benchmark::State &state, int kilobytes)
{
    cMailMessage message;
    message.Html = true;
    message.FromAddress = "news@news.example";
    message.body = {Newsletter(kilobytes).toUtf8()};
    cPreviewPane &pane = WindowFixture<cBenchPane>().pane;
    for (auto _ : state) {
        pane.Show(message);
        benchmark::DoNotOptimize(pane.HtmlView()->DocumentSize());
    }
    state.counters["html_bytes"] = double(message.body.constFirst().size());
}

void BM_PreviewNewsletter200K(benchmark::State &state)
{
    measureNewsletter(state, 200);
}
BENCHMARK(BM_PreviewNewsletter200K)->Unit(benchmark::kMillisecond);

// The longest the window's thread goes without handling its events, from act (selecting the 5 MB
// message) until done says it is shown and a second of its layout has run (goal: well under 100 ms).
void measureStall(benchmark::State &state, const std::function<void()> &act, const std::function<bool()> &done)
{
    qint64 longest = 0;
    double longestCpu = 0; // the thread's own time, which other work on the machine does not stretch
    qint64 untilShown = 0;
    ResetPeak();
    for (auto _ : state) {
        QElapsedTimer total;
        total.start();
        QElapsedTimer sinceEvents;
        sinceEvents.start();
        double cpuBefore = threadCpuMs();
        act();
        for (qint64 shownAt = -1; shownAt < 0 || total.elapsed() < shownAt + 1000;) {
            QCoreApplication::processEvents();
            longest = std::max(longest, sinceEvents.restart());
            const double cpuNow = threadCpuMs();
            longestCpu = std::max(longestCpu, cpuNow - cpuBefore);
            cpuBefore = cpuNow;
            if (shownAt < 0 && done())
                shownAt = untilShown = total.elapsed();
        }
    }
    state.counters["longest_stall_ms"] = double(longest);
    state.counters["longest_stall_cpu_ms"] = longestCpu;
    state.counters["until_shown_ms"] = double(untilShown);
    state.counters["peak_rss_mb"] = double(PeakResident()) / (1024 * 1024);
}

void measureStall(benchmark::State &state, const cMailMessage &message)
{
    cPreviewPane &pane = WindowFixture<cBenchPane>().pane;
    // Far more than "Loading...", and cheap to ask at every turn. In text, not in height: the
    // hostile HTML is short once bounded.
    const auto shown = [&pane] {
        return pane.ShowsHtml() ? pane.HtmlView()->PlainText().size() > 1000
                                : pane.Browser()->document()->characterCount() > 1000;
    };
    measureStall(state, [&pane, &message] { pane.Show(message); }, shown);
}

cMailMessage htmlMessage(const QString &html)
{
    cMailMessage message;
    message.Html = true;
    message.FromAddress = "news@news.example";
    // Text enough for measureStall to see it shown.
    message.body = {(html + u" shown"_s.repeated(200)).toUtf8()};
    return message;
}

void BM_PreviewHostileStall(benchmark::State &state)
{
    const QString value = QString(1024 * 1024, u'x');
    const QString hostile[] = {
        u"<div>"_s.repeated(100000) + u"inside"_s,
        u"<table><tr><td>"_s.repeated(100000) + u"inside"_s,
        u"<table>"_s + (u"<tr>"_s + u"<td>x</td>"_s.repeated(100) + u"</tr>"_s).repeated(10000) + u"</table>"_s,
        u"<p title=\""_s + value + u"\">text</p>"_s,
        u"<p style=\"color:"_s + value + u"\">text</p>"_s,
        u"<a href=\"https://example.org/"_s + value + u"\">text</a>"_s,
    };
    measureStall(state, htmlMessage(hostile[state.range(0)]));
}
BENCHMARK(BM_PreviewHostileStall)->DenseRange(0, 5)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PreviewNewsletter5MStall(benchmark::State &state)
{
    cMailMessage message;
    message.Html = true;
    message.FromAddress = "news@news.example";
    message.body = {Newsletter(5 * 1024).toUtf8()};
    measureStall(state, message);
}
BENCHMARK(BM_PreviewNewsletter5MStall)->Unit(benchmark::kMillisecond)->Iterations(1);

// The 5 MB newsletter shown, then the pane made wider: until it is laid out at the new width.
void BM_PreviewNewsletter5MResizeStall(benchmark::State &state)
{
    cMailMessage message;
    message.Html = true;
    message.FromAddress = "news@news.example";
    message.body = {Newsletter(5 * 1024).toUtf8()};
    cPreviewPane &pane = WindowFixture<cBenchPane>().pane;
    const cHtmlView &view = *pane.HtmlView();
    const auto laidOut = [&view] { return view.ShownLayout() && view.ShownLayout()->Width() == view.LayoutWidth(); };
    pane.resize(800, 600);
    pane.Show(message);
    for (QDeadlineTimer deadline(60000); !(pane.ShowsHtml() && laidOut()) && !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    measureStall(state, [&pane] { pane.resize(pane.width() + 100, pane.height()); }, laidOut);
}
BENCHMARK(BM_PreviewNewsletter5MResizeStall)->Unit(benchmark::kMillisecond)->Iterations(1);

// Received as HTML only: the HTML is read out of the kept original; argument 1 prefers plain text.
void BM_PreviewHtmlOnly5MStall(benchmark::State &state)
{
    const cScratchSettings settings;
    const QByteArray raw = "From: news@news.example\r\nSubject: weekly\r\nContent-Type: text/html; charset=utf-8\r\n\r\n"
                           + Newsletter(5 * 1024).toUtf8();
    cMailMessage message;
    if (!settings.initStorage() || !cOptions::write(Opt::MainWnd_PreferPlainText, state.range(0) != 0).ok())
        return state.SkipWithError("no scratch mail folder");
    const auto stored = cIncomingStore::Store(raw, QString(), u"Inbox"_s);
    if (!stored || !message.ReadFile(stored.value().path).ok())
        return state.SkipWithError("the message could not be stored");
    measureStall(state, message);
}
BENCHMARK(BM_PreviewHtmlOnly5MStall)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
