// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowBench.h"

#include <QApplication>
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
