// SPDX-License-Identifier: GPL-3.0-or-later
// Every input the preview's HTML fuzzer found a fault with (data/fuzz-inputs, one file each, and
// what it was in its name), fed as the fuzzer feeds it (fuzz/PreviewHtmlInput.h): bounded, read,
// laid out and drawn by litehtml, its text mapped. Each must keep the preview's promises and take
// a moment, not the seconds or the memory it once took.
#include "fuzz/PreviewHtmlInput.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// Generous: under the sanitizers on a busy machine the slowest input takes about a second and
// a quarter of this memory.
constexpr qint64 kMostMs = 8000;
constexpr qint64 kMostKilobytes = 512 * 1024;

namespace {

// The most memory the process has held so far.
qint64 peakKilobytes()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

} // namespace

class TestFuzzInputs : public QObject
{
    Q_OBJECT

private slots:
    void eachInputKeepsThePromises_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(qEnvironmentVariable("RAVELIN_TEST_DATA") + u"/fuzz-inputs"_s);
        const QStringList names = folder.entryList(QDir::Files, QDir::Name);
        QVERIFY(!names.isEmpty());
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }

    void eachInputKeepsThePromises()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray input = file.readAll();
        const qint64 peakBefore = peakKilobytes();
        QElapsedTimer clock;
        clock.start();
        const char *broken = FeedPreviewHtml(input);
        QVERIFY2(!broken, broken);
        QVERIFY2(clock.elapsed() < kMostMs, qPrintable(u"%1 ms"_s.arg(clock.elapsed())));
        const qint64 grown = peakKilobytes() - peakBefore;
        QVERIFY2(grown < kMostKilobytes, qPrintable(u"%1 KB more"_s.arg(grown)));
    }
};

QTEST_MAIN(TestFuzzInputs)
#include "test_fuzz_inputs.moc"
