// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxProgress.h"

#include <algorithm>
#include <cmath>

TVrxProgress::TVrxProgress(quint16 step, Report report)
    : fReport(std::move(report)), fStep(step), fThreshold(step)
{
}

quint16 TVrxProgress::Percent(qint64 done, qint64 total)
{
    if (total <= 0)
        return 100;
    const double percent = std::round(double(done) * 100.0 / double(total));
    return quint16(std::clamp(percent, 0.0, 65535.0));
}

void TVrxProgress::Update(quint16 percent)
{
    fLast = percent;
    if (percent < fThreshold)
        return;
    fThreshold += fStep;
    if (fReport)
        fReport(percent);
}

void TVrxProgress::Finish()
{
    if (fLast < 100 && fReport)
        fReport(100);
}
