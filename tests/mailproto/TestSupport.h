// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers of the mail protocol tests: readable failure output for Qt values, scratch
// files in the folder ctest gives every test, and the text of an expected exception.
#include "mailproto/EVrxError.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QString>

#include <functional>
#include <ostream>

inline void PrintTo(const QByteArray &bytes, std::ostream *out)
{
    *out << '"' << bytes.toStdString() << '"';
}

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline QString ScratchFile(const QString &name, const QByteArray &content)
{
    const QString dir = qEnvironmentVariable("RAVELIN_TEST_TMP", QDir::tempPath());
    QDir().mkpath(dir);
    QFile file(dir + u'/' + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return file.fileName();
}

inline QByteArray RandomBytes(qsizetype size, quint32 seed = 7)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

inline QString ThrownText(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EVrxError &e) {
        return e.Text();
    }
    return QStringLiteral("<no exception>");
}
