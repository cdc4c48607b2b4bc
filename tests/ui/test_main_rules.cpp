// The computed texts of the main window: how stored bytes are shown, what a list entry says,
// the remembered column widths, the mail check period and which links leave the program.
#include "ui/main/DisplayText.h"
#include "ui/main/MainIcons.h"
#include "ui/main/MainWindowRules.h"
#include "ui/main/MainWindowSettings.h"

#include <QTest>
#include <limits>

using namespace Qt::StringLiterals;

class TestMainRules : public QObject
{
    Q_OBJECT

private slots:
    void storedBytesAreShownAsUtf8ThenDeclaredCharsetThenLatin1()
    {
        QCOMPARE(DisplayText("Gr\xc3\xbc\xc3\x9f" "e"), u"Grüße"_s);
        QCOMPARE(DisplayText("Gr\xc3\xbc\xc3\x9f" "e", "koi8-r"), u"Grüße"_s);
        QCOMPARE(DisplayText("Gr\xfc\xdf" "e"), u"Grüße"_s);
        QCOMPARE(DisplayText("\xf0\xd2\xc9\xd7\xc5\xd4", "KOI8-R"), u"Привет"_s);
        QCOMPARE(DisplayText("\x93quoted\x94", "windows-1252"), u"\u201cquoted\u201d"_s);
        QCOMPARE(DisplayText("caf\xe9", "x-no-such-charset"), u"café"_s);
        // Bytes the declared charset cannot hold fall back rather than being cut short.
        QCOMPARE(DisplayText("caf\xe9", "us-ascii"), u"café"_s);
        QCOMPARE(DisplayBody({"caf\xe9", "cr\xe8me"}, {}), u"café\ncrème"_s);
    }

    void theCharsetComesFromTheContentTypeHeader()
    {
        QCOMPARE(DeclaredCharset({"Subject: charset=wrong", "Content-Type: text/plain; charset=ISO-8859-2"}),
                 QByteArray("ISO-8859-2"));
        QCOMPARE(DeclaredCharset({"content-type: text/html;", "\tformat=flowed;", " CHARSET=\"koi8-r\"", "X-A: b"}),
                 QByteArray("koi8-r"));
        QCOMPARE(DeclaredCharset({"Content-Type: multipart/mixed; boundary=x", "X-Charset: charset=utf-8"}),
                 QByteArray());
        QCOMPARE(DeclaredCharset({}), QByteArray());
    }

    void listEntriesShowSenderOrRecipientsAndTheirState()
    {
        cMailMessage m;
        m.Subject = "Caf\xc3\xa9";
        m.From = "Ann Lee";
        m.To = "bob@example.org, eve@example.org";
        m.DateTime = "08.12.2026 09:05:07";
        m.Html = true;
        m.attachments = {u"/a/x.pdf"_s};

        const cMessageEntry inbox = MessageListEntry(m, eFolderKind::Inbox);
        QCOMPARE(inbox.texts, (QStringList{u"Café"_s, u"Ann Lee"_s, QString(QChar(0x2022)), u"08.12.2026 09:05:07"_s}));
        QCOMPARE(inbox.icon, MsgImage::Unread);
        QCOMPARE(inbox.readIcon, MsgImage::Html);
        for (eFolderKind outgoing : {eFolderKind::Unsent, eFolderKind::SentItems})
            QCOMPARE(MessageListEntry(m, outgoing).texts.at(MsgColumn::Person), u"bob@example.org, eve@example.org"_s);
        QCOMPARE(MessageListEntry(m, eFolderKind::User).texts.at(MsgColumn::Person), u"Ann Lee"_s);

        m.Read = true;
        m.Html = false;
        m.attachments.clear();
        const cMessageEntry read = MessageListEntry(m, eFolderKind::Trash);
        QCOMPARE(read.icon, MsgImage::Plain);
        QVERIFY(read.texts.at(MsgColumn::Attachment).isEmpty());

        QCOMPARE(MessageListCaptions(eFolderKind::Inbox), (QStringList{u"Subject"_s, u"From"_s, QString(), u"Date&Time"_s}));
        QCOMPARE(MessageListCaptions(eFolderKind::SentItems).at(1), u"To"_s);
        QCOMPARE(MessageCountText(0), u"0 message(s)"_s);
    }

    void theMailCheckPeriodNeverSpinsNorOverflows()
    {
        QCOMPARE(CheckTimerInterval(5), 300000);
        QCOMPARE(CheckTimerInterval(0), 0);
        QCOMPARE(CheckTimerInterval(-3), 0);
        QCOMPARE(CheckTimerInterval(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
    }

    void onlyOutwardLinksLeaveThePreview()
    {
        for (const char *link : {"https://example.org/a?b=c", "HTTP://example.org", "mailto:ann@example.org",
                                 "ftp://ftp.example.org/f", "news:comp.lang.c++"})
            QVERIFY2(IsOpenableLink(QUrl(QLatin1String(link))), link);
        for (const char *link : {"file:///etc/passwd", "report.html", "/home/user/run.sh", "javascript:alert(1)",
                                 "smb://server/share"})
            QVERIFY2(!IsOpenableLink(QUrl(QLatin1String(link))), link);
    }

    void columnWidthsSurviveTheirTextAndRejectDamage()
    {
        const QList<int> designed{300, 190, 18, 150};
        QCOMPARE(ParseColumnWidths(ColumnWidthsText({250, 120, 18, 99}), designed), (QList<int>{250, 120, 18, 99}));
        for (const char *damaged : {"", "1,2,3", "1,2,3,4,5", "a,b,c,d", "10,-1,18,40"})
            QCOMPARE(ParseColumnWidths(QLatin1String(damaged), designed), designed);
    }
};

QTEST_MAIN(TestMainRules)
#include "test_main_rules.moc"
