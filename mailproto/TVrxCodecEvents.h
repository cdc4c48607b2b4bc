// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hooks a codec reports through; the SMTP client points them at its encode signals, the
// POP3 client at its decode signals. Service is called between units of work (the caller's
// "message queue"); every hook may be left empty.
#include <QString>
#include <functional>

struct TVrxCodecEvents
{
    std::function<void(const QString &fileName, qint64 count)> Start;
    std::function<void(quint16 percent)> Progress;
    std::function<void()> End;
    std::function<void()> Service;
    quint16 Step = 10;

    void Serve() const
    {
        if (Service)
            Service();
    }
};
