// SPDX-License-Identifier: GPL-3.0-or-later
// The composer's rules without its window: the saved record, lines as displayed and inserted
// dates; and the system information of the about box.
#include "storage/MessageText.h"
#include "mailproto/TVrxFlowed.h"
#include "ui/compose/ComposeRules.h"
#include "ui/small/AboutText.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;

class TestComposeRules : public QObject
{
    Q_OBJECT

    static QStringList wrapped(const QString &text, int width)
    {
        QTextDocument document;
        document.setDefaultFont(QFont(u"DejaVu Sans"_s, 10));
        document.setPlainText(text);
        document.setTextWidth(width);
        return DisplayedLines(document);
    }

private slots:
    void theRecordKeepsWhatWasTypedOnOneLinePerField()
    {
        const QDateTime when(QDate(2026, 12, 8), QTime(9, 5, 7));
        cComposedMessage typed{u"  ann@example.org"_s, u"bob@example.org"_s, u"Gr\u00fc\u00dfe\r\nBcc: eve@example.org"_s,
                               {u"Hello,"_s, QString(), u"Ann"_s}, {u"/tmp/a.pdf"_s, u"/tmp/b.txt"_s},
                               TPriority::prHighest, {"In-Reply-To: <p@x>", "References: <a@x> <p@x>"},
                               u"eve@example.org\n"_s, u"Home"_s};
        const cMailMessage record = ComposedRecord(typed, u"Ann Lee <ann@example.org>"_s, u"Work"_s, when);
        QCOMPARE(record.To, QByteArray("  ann@example.org"));
        QCOMPARE(record.CC, QByteArray("bob@example.org"));
        QCOMPARE(record.Bcc, QByteArray("eve@example.org "));
        QCOMPARE(record.Subject, QByteArray("Gr\xc3\xbc\xc3\x9f" "e Bcc: eve@example.org"));
        QCOMPARE(record.From, QByteArray("Ann Lee <ann@example.org>"));
        QCOMPARE(record.Account, QByteArray("Work"));
        QCOMPARE(record.DateTime, NowText(when));
        QCOMPARE(record.ReplyAddress, QByteArray());
        QVERIFY(!record.Read && !record.Html);
        QCOMPARE(record.headerLines,
                 (QList<QByteArray>{"X-Mailer-Version:v2.12", "In-Reply-To: <p@x>", "References: <a@x> <p@x>"}));
        QCOMPARE(record.body, (QList<QByteArray>{"Hello,", "", "Ann"}));
        QCOMPARE(record.attachments, typed.attachments);

        QTemporaryDir dir;
        const QString path = dir.filePath(u"m.qrz"_s);
        QVERIFY(record.WriteFile(path));
        cMailMessage back;
        QVERIFY(back.ReadFile(path));
        const cComposedMessage reopened = ComposedFromRecord(back);
        QCOMPARE(reopened.subject, u"Gr\u00fc\u00dfe Bcc: eve@example.org"_s);
        QCOMPARE(reopened.body, typed.body);
        QCOMPARE(reopened.priority, TPriority::prHighest);
        // A draft reopened and saved again still threads as the reply it is.
        QCOMPARE(reopened.extraHeaders, typed.extraHeaders);
        QCOMPARE(reopened.bcc, u"eve@example.org"_s);
        QCOMPARE(reopened.sendAccount, u"Home"_s);
    }

    // What the user typed is what the reader sees: only the editor's own wraps join.
    void typedLinesAreSentAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::newRow("a blank typed before Enter") << u"Hello, \nhow are you?  \nAnn"_s
                                                    << QList<QByteArray>{"Hello,", "how are you?", "Ann"};
        QTest::newRow("quoted, and a blank line of blanks") << u"> yes \n  \nno "_s << QList<QByteArray>{"> yes", "", "no"};
        QTest::newRow("the signature separator") << u"Bye\n-- \nAnn"_s << QList<QByteArray>{"Bye", "-- ", "Ann"};
        const QString paragraph = u"The quick brown fox jumps over the lazy dog. "_s.repeated(3);
        QTest::newRow("a wrapped paragraph ended with a blank")
            << paragraph + u"\nnext"_s << QList<QByteArray>{paragraph.trimmed().toUtf8(), "next"};
    }

    void typedLinesAreSentAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QList<QByteArray>, sent);
        const auto sentOf = [](const QStringList &lines) {
            QList<QByteArray> bytes;
            for (const QString &line : lines)
                bytes.append(line.toUtf8());
            // Joined as a reader of flowed text joins them.
            QList<QByteArray> read{QByteArray()};
            for (const QByteArray &line : TVrxFlowed::Encode(bytes)) {
                read.last() += line;
                if (!line.endsWith(' ') || line == "-- ")
                    read.append(QByteArray());
            }
            read.removeLast();
            return read;
        };
        const QStringList stored = wrapped(typed, 200);
        QCOMPARE(sentOf(stored), sent);
        // A draft opened again sends the same.
        QCOMPARE(sentOf(wrapped(EditorText(stored), 300)), sent);
    }

    void aLongParagraphIsStoredAsItsScreenLines()
    {
        const QString paragraph = u"The quick brown fox jumps over the lazy dog. "_s.repeated(8).trimmed();
        const QString text = u"Hello,\n"_s + paragraph + u"\n\nAnn\n"_s;
        const QStringList narrow = wrapped(text, 200);
        const QStringList wide = wrapped(text, 600);
        QVERIFY(narrow.size() > wide.size());
        QVERIFY(wide.size() > 4);
        for (const QStringList &lines : {narrow, wide}) {
            QCOMPARE(lines.first(), u"Hello,"_s);
            QCOMPARE(lines.last(), u"Ann"_s); // the trailing empty line is not kept
            QCOMPARE(lines.mid(1, lines.size() - 3).join(QString()), paragraph); // split, nothing lost
        }
        QCOMPARE(wrapped(QString(), 200), QStringList());
        QCOMPARE(wrapped(u"\n\nx"_s, 200), (QStringList{QString(), QString(), u"x"_s}));
    }

    void dateAndTimeTexts()
    {
        const QLocale locale(QLocale::German, QLocale::Germany);
        const QDateTime when(QDate(2026, 12, 8), QTime(9, 5, 7));
        const QString date = locale.toString(when.date(), QLocale::ShortFormat);
        QCOMPARE(DateTimeText(eDateTimeKind::Date, when, locale), date);
        QCOMPARE(DateTimeText(eDateTimeKind::Time, when, locale), u"09:05:07"_s);
        QCOMPARE(DateTimeText(eDateTimeKind::DateAndTime, when, locale), date + u" 09:05:07"_s);
    }

    void systemInfoNamesVersionsAndFolders()
    {
        const QString info = SystemInfoText();
        QVERIFY(info.startsWith(u"Tolvan Ravelin v2.12\n"_s));
        QVERIFY(info.contains(QLatin1String(qVersion())));
        QVERIFY(info.contains(QSysInfo::prettyProductName()));
        QVERIFY(info.contains(u"Settings folder: "_s));
        QVERIFY(info.contains(u"Mail folder: (not set)"_s));
    }
};

QTEST_MAIN(TestComposeRules)
#include "test_compose_rules.moc"
