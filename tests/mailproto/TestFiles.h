#pragma once
// Scratch files for the codec tests, in the folder ctest gives every test.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

inline QString ScratchFile(const QString &name, const QByteArray &content)
{
    const QString dir = qEnvironmentVariable("RAVELIN_TEST_TMP", QDir::tempPath());
    QDir().mkpath(dir);
    const QString path = dir + u'/' + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

inline QByteArray RandomBytes(qsizetype size, quint32 seed = 7)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}
