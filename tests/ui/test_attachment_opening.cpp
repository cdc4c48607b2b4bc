// SPDX-License-Identifier: GPL-3.0-or-later
// Which attachments can run as programs when the desktop opens them, judged by name, by content
// and by the executable bit.
#include "ui/wndlist/AttachmentOpening.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray elfProgram()
{
    QByteArray elf("\x7f" "ELF\x02\x01\x01", 7);
    elf += QByteArray(9, '\0') + QByteArray("\x02\x00", 2) + QByteArray(64, '\0');
    return elf;
}

} // namespace

class TestAttachmentOpening : public QObject
{
    Q_OBJECT

private slots:
    void filesThatCanRunAreKnown_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<bool>("runs");

        QTest::newRow("shell script") << u"setup.sh"_s << QByteArray("#!/bin/sh\necho hi\n") << false << true;
        QTest::newRow("desktop entry") << u"invoice.desktop"_s
                                       << QByteArray("[Desktop Entry]\nType=Application\nExec=sh -c true\n") << false
                                       << true;
        QTest::newRow("python") << u"tool.py"_s << QByteArray("print(1)\n") << false << true;
        QTest::newRow("program without a name's type") << u"update"_s << elfProgram() << false << true;
        QTest::newRow("program named as a document") << u"invoice.pdf"_s << elfProgram() << false << true;
        QTest::newRow("windows program") << u"setup.exe"_s << QByteArray("MZ\x90\x00\x03", 5) + QByteArray(64, '\0')
                                         << false << true;
        QTest::newRow("java archive") << u"app.jar"_s << QByteArray("PK\x03\x04", 4) << false << true;
        QTest::newRow("executable bit") << u"notes.txt"_s << QByteArray("hello\n") << true << true;

        QTest::newRow("text") << u"notes.txt"_s << QByteArray("hello\n") << false << false;
        QTest::newRow("document") << u"report.pdf"_s << QByteArray("%PDF-1.4\n") << false << false;
        QTest::newRow("picture") << u"photo.png"_s << QByteArray("\x89PNG\r\n\x1a\n", 8) << false << false;
        QTest::newRow("web page") << u"page.html"_s << QByteArray("<html><body>hi</body></html>\n") << false << false;
    }

    void filesThatCanRunAreKnown()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, executable);
        QFETCH(bool, runs);
        QTemporaryDir dir;
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        if (executable)
            QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
        QCOMPARE(AttachmentCanRun(file.fileName()), runs);
    }
};

QTEST_MAIN(TestAttachmentOpening)
#include "test_attachment_opening.moc"
