// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the folder benchmarks share: the message they fill folders with, and the floor any
// listing stands on.
#include "storage/cMailMessage.h"

#include <QDir>
#include <QFile>

// A short, real-looking received message of `bodyLines` lines; callers vary subject and flags.
inline cMailMessage SampleMessage(int bodyLines)
{
    cMailMessage m;
    m.From = "Ann Lee";
    m.ReplyAddress = "ann@example.org";
    m.To = "bob@example.org";
    m.headerLines = {"Received: from mail.example.org by mx.example.org", "Content-Type: text/plain; charset=UTF-8"};
    for (int line = 0; line < bodyLines; ++line)
        m.body.append("A line of body text that makes the message about as long as a short real one.");
    return m;
}

// Opens each message file of the folder and reads its first 4 KiB, nothing else; the bytes read.
inline qint64 OpenAndReadEach(const QDir &folder)
{
    qint64 bytes = 0;
    for (const QString &name : folder.entryList({QStringLiteral("*.qrz")}, QDir::Files, QDir::Unsorted)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            bytes += file.read(4096).size();
    }
    return bytes;
}
