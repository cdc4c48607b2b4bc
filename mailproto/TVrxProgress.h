// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-percent progress with a growing threshold, shared by the encoder, the decoders and the
// send and retrieve loops: Update() reports a percent once it reaches the threshold, then moves
// the threshold one step on; Finish() reports 100 when the last percent stayed below it.
#include <QtGlobal>
#include <functional>

class TVrxProgress
{
public:
    using Report = std::function<void(quint16 percent)>;

    TVrxProgress(quint16 step, Report report);

    static quint16 Percent(qint64 done, qint64 total);
    void Update(quint16 percent);
    void Finish();

private:
    Report fReport;
    quint16 fStep;
    int fThreshold;
    quint16 fLast = 0;
};
