// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wndlist/cWindowSteps.h"

namespace {

cWindowSteps &steps()
{
    static cWindowSteps installed;
    return installed;
}

} // namespace

void SetWindowSteps(cWindowSteps given)
{
    steps() = std::move(given);
}

const cWindowSteps &WindowSteps()
{
    return steps();
}
