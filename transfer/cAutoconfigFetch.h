// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fetches one autoconfig file over HTTP(S), blocking on the calling thread. The certificate of
// an https server is always checked; a redirect may not lead from https to http. The answer is
// capped, so a server cannot fill our memory.
#include "storage/cResult.h"

#include <QByteArray>
#include <QUrl>

#include <functional>

class cAutoconfigFetch
{
public:
    static constexpr qint64 kMaxBytes = 256 * 1024;

    // hostHeader, when set, names the site asked for on a server that stands in for it.
    static cResultOf<QByteArray> Get(const QUrl &url, const QString &hostHeader, int timeoutMs,
                                     const std::function<bool()> &stopped);
};
