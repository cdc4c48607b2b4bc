// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For benchmarks that open windows: WindowBenchMain.cpp gives them a main() whose application
// object is destroyed inside main, after the fixtures, never among the static destructors
// (Qt crashes when it goes there).
#include <functional>

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
