// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowBench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<std::function<void()>> &destroyers()
{
    static std::vector<std::function<void()>> list;
    return list;
}

} // namespace

void DestroyBeforeApplication(std::function<void()> destroy)
{
    destroyers().push_back(std::move(destroy));
}

void Press(QWidget *widget, Qt::Key key, const QString &text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &up);
}

double LongestStallMs(const std::function<bool()> &done, const std::function<void()> &eachTurn)
{
    QElapsedTimer sinceLast;
    sinceLast.start();
    double longest = 0;
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    beat.setInterval(1);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longest = std::max(longest, double(sinceLast.nsecsElapsed()) / 1e6 - 1);
        sinceLast.restart();
        if (eachTurn)
            eachTurn();
    });
    beat.start();
    while (!done())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return longest;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (auto destroy = destroyers().rbegin(); destroy != destroyers().rend(); ++destroy)
        (*destroy)();
    return 0;
}
