// SPDX-License-Identifier: GPL-3.0-or-later
// The block above the preview's text, on screen and on paper, and the name offered for
// "Save as .eml".
#include "ui/main/PreviewHeader.h"
#include "ui/main/PrintedMessage.h"
#include "ui/main/cPreviewBrowser.h"
#include "ui/main/cPreviewPane.h"
#include "ui/main/unitViewSource.h"

#include <QLabel>
#include <QLocale>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;

class TestPreviewHeader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void linesComeFromTheRecordAndTheMessagesOwnDate()
    {
        cMailMessage m;
        m.From = "Ren\xc3\xa9" "e";
        m.ReplyAddress = "renee@example.org";
        m.To = "bob@example.org";
        m.Subject = "Caf\xc3\xa9";
        m.DateTime = "08.12.2026 10:00:00";
        m.headerLines = {"Subject: Caf=?x?=", "Date: Tue, 08 Dec 2026", " 10:00:00 +0000 (UTC)"};
        const QList<cPreviewHeaderLine> lines = PreviewHeaderLines(m);
        QStringList labels, values;
        for (const cPreviewHeaderLine &line : lines) {
            labels << line.label;
            values << line.value;
        }
        QCOMPARE(labels, (QStringList{u"From:"_s, u"To:"_s, u"Date:"_s, u"Subject:"_s}));
        QCOMPARE(values.at(0), u"Renée <renee@example.org>"_s);
        QCOMPARE(values.at(2), MessageDateText("Tue, 08 Dec 2026 10:00:00 +0000"));
        QVERIFY(values.at(2).contains(u"2026"_s) && !values.at(2).contains(u"+0000"_s)); // read, not copied
        QCOMPARE(values.at(3), u"Café"_s);

        // The sender is who wrote it, not where replies go; older files only kept the latter.
        m.FromAddress = "renee@home.example.org";
        QCOMPARE(PreviewHeaderLines(m).at(0).value, u"Renée <renee@home.example.org>"_s);

        m.CC = "carol@example.org";
        m.headerLines.clear();
        const QList<cPreviewHeaderLine> withCc = PreviewHeaderLines(m);
        QCOMPARE(withCc.at(2).label, u"CC:"_s);
        QCOMPARE(withCc.at(3).value, u"08.12.2026 10:00:00"_s); // no Date header: when it was stored
    }

    void aDateNobodyReadsIsShownAsItCame()
    {
        QCOMPARE(MessageDateText("sometime next week"), u"sometime next week"_s);
    }

    void headerTextNeverBecomesMarkup()
    {
        cMailMessage m;
        m.Subject = "<img src=x onerror=alert(1)> & <b>bold</b>";
        const QString html = PreviewHeaderHtml(m);
        QVERIFY(!html.contains(u"<img"_s));
        QVERIFY(html.contains(u"&lt;img src=x onerror=alert(1)&gt; &amp; &lt;b&gt;"_s));
    }

    void thePaneRemembersTheOriginalOfTheMessageItShows()
    {
        cPreviewPane pane;
        cMailMessage received;
        received.Subject = "kept";
        received.Original = QByteArray(64, 'a');
        received.body = {"<b>not markup</b>"};
        pane.Show(received);
        QCOMPARE(pane.Original(), received.Original);
        QVERIFY(pane.findChild<QLabel *>(u"lblPreviewHeader"_s)->text().contains(u"kept"_s));
        QCOMPARE(pane.ShownText(), u"<b>not markup</b>"_s);

        cMailMessage typed;
        pane.Show(typed);
        QVERIFY(pane.Original().isEmpty());
        pane.Show(received);
        pane.ShowText(u"Cannot read the message file"_s);
        QVERIFY(pane.Original().isEmpty());
    }

    // Printed HTML goes through the litehtml view (test_html_view); text through this document.
    void printingPutsTheHeaderBlockAboveTheText()
    {
        cMailMessage m;
        m.From = "Ann Lee";
        m.To = "bob@example.org";
        m.CC = "carol@example.org";
        m.DateTime = "08.12.2026 10:00:00";
        m.Subject = "Report";
        m.body = {"Hello Bob,"};
        cPreviewPane pane;
        pane.Show(m);
        QVERIFY(!pane.ShowsHtml());
        const std::unique_ptr<QTextDocument> printed = PrintedMessage(pane.HeaderHtml(), *pane.Browser()->document());
        QStringList lines = printed->toPlainText().split(u'\n');
        lines.removeAll(QString());
        const QString expected = u"From: \nAnn Lee\nTo: \nbob@example.org\nCC: \ncarol@example.org\nDate: \n"
                                 "08.12.2026 10:00:00\nSubject: \nReport\nHello Bob,"_s;
        QCOMPARE(lines.join(u'\n').replace(QChar::Nbsp, u' '), expected);
    }

    void savedCopiesGetAHarmlessName_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << u"Report Q4"_s << u"Report Q4.eml"_s;
        QTest::newRow("path") << u"../../etc/passwd"_s << u"_.._etc_passwd.eml"_s;
        QTest::newRow("refused") << u"a:b*c?\"d\"<e>|f\tg"_s << u"a_b_c__d__e__f_g.eml"_s;
        QTest::newRow("empty") << QString() << u"message.eml"_s;
        QTest::newRow("dots") << u"..."_s << u"message.eml"_s;
    }

    void savedCopiesGetAHarmlessName()
    {
        QFETCH(QString, subject);
        QFETCH(QString, name);
        QCOMPARE(EmlFileName(subject), name);
    }
};

QTEST_MAIN(TestPreviewHeader)
#include "test_preview_header.moc"
