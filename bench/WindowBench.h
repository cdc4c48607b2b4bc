// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For benchmarks that open windows: WindowBenchMain.cpp gives them a main() whose application
// object is destroyed inside main, after the fixtures, never among the static destructors
// (Qt crashes when it goes there).
#include <Qt>
#include <QString>

#include <functional>

class QWidget;

void DestroyBeforeApplication(std::function<void()> destroy);

// A fixture made on first use and destroyed before the application object.
template <typename T>
T &WindowFixture()
{
    static T *fixture = [] {
        auto *made = new T;
        DestroyBeforeApplication([made] { delete made; });
        return made;
    }();
    return *fixture;
}

// A key pressed and let go in the widget, as typed.
void Press(QWidget *widget, Qt::Key key, const QString &text = {});

// The longest time the event loop went without running a 1 ms timer, less that millisecond,
// while it runs until done. A zero timer would keep a core busy that the work needs.
double LongestStallMs(const std::function<bool()> &done, const std::function<void()> &eachTurn = {});
