// SPDX-License-Identifier: GPL-3.0-or-later
// The rules behind a message's links and remote content: which links open, which are
// suspicious, and what in the HTML would reach outside the message.
#include "ui/main/LinkCheck.h"
#include "ui/main/RemoteContent.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(eLinkKind)

class TestHtmlLinks : public QObject
{
    Q_OBJECT

private slots:
    void linksAreCheckedAgainstTheirText_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("text");
        QTest::addColumn<eLinkKind>("kind");
        QTest::addColumn<bool>("suspicious");
        const auto row = [](const char *name, const char *target, const char *text, eLinkKind kind, bool suspicious) {
            QTest::newRow(name) << QString::fromUtf8(target) << QString::fromUtf8(text) << kind << suspicious;
        };
        row("plain words", "https://track.example/c?id=1", "Read more", eLinkKind::Web, false);
        row("same host", "https://www.bank.example/login", "www.bank.example", eLinkKind::Web, false);
        row("www is the same owner", "https://bank.example/", "https://www.bank.example", eLinkKind::Web, false);
        row("a host under the named one", "https://login.bank.example/x", "bank.example", eLinkKind::Web, false);
        row("another host", "http://evil.example/bank", "https://www.bank.example/login", eLinkKind::Web, true);
        row("named host as a prefix", "https://bank.example.evil.example/", "bank.example", eLinkKind::Web, true);
        row("an address as text", "https://evil.example/", "help@bank.example", eLinkKind::Web, true);
        row("look-alike letters", "https://xn--bnk-sla.example/", "bank.example", eLinkKind::Web, true);
        row("a file name is no address", "https://cdn.example/report.pdf", "report.pdf", eLinkKind::Web, false);
        row("mail to the shown address", "mailto:help@bank.example", "help@bank.example", eLinkKind::Mail, false);
        row("mail elsewhere", "mailto:help@evil.example", "help@bank.example", eLinkKind::Mail, true);
        row("news", "news:comp.lang.c", "comp.lang.c", eLinkKind::News, false);
        row("file", "file:///etc/passwd", "passwd", eLinkKind::Refused, false);
        row("ftp", "ftp://files.example/a", "files.example", eLinkKind::Refused, false);
        row("javascript", "javascript:alert(1)", "click", eLinkKind::Refused, false);
        row("web without a host", "http:relative", "x", eLinkKind::Refused, false);
    }

    void linksAreCheckedAgainstTheirText()
    {
        QFETCH(QString, target);
        QFETCH(QString, text);
        QFETCH(eLinkKind, kind);
        QFETCH(bool, suspicious);
        const cLinkCheck check = CheckLink(QUrl(target), text);
        QCOMPARE(check.kind, kind);
        QCOMPARE(check.suspicious, suspicious);
    }

    void everyWayOfReachingOutIsCounted_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QStringList>("remote");
        const auto row = [](const char *name, const char *html, QStringList remote) {
            QTest::newRow(name) << QString::fromUtf8(html) << remote;
        };
        row("img", "<IMG SRC=\"http://t.example/p.gif\">", {u"http://t.example/p.gif"_s});
        row("unquoted and entities", "<img src=https://t.example/p?a=1&amp;b=2>", {u"https://t.example/p?a=1&b=2"_s});
        row("srcset", "<img srcset=\"http://t.example/a.png 1x, http://t.example/b.png 2x\">",
            {u"http://t.example/a.png"_s, u"http://t.example/b.png"_s});
        row("background", "<td background='http://t.example/bg.png'>", {u"http://t.example/bg.png"_s});
        row("css url", "<div style=\"background:url( 'http://t.example/c.png' )\">", {u"http://t.example/c.png"_s});
        row("style block and import", "<style>@import \"http://t.example/i.css\"; p{background:url(//t.example/d)}</style>",
            {u"http://t.example/i.css"_s, u"//t.example/d"_s});
        row("link", "<link rel=stylesheet href=\"http://t.example/s.css\">", {u"http://t.example/s.css"_s});
        row("iframe, object, form", "<iframe src=\"https://t.example/f\"></iframe><object data=\"ftp://t.example/o\">"
            "<form action=\"http://t.example/post\">", {u"https://t.example/f"_s, u"ftp://t.example/o"_s, u"http://t.example/post"_s});
        row("meta refresh", "<meta http-equiv=\"refresh\" content=\"0; URL=http://t.example/r\">", {u"http://t.example/r"_s});
        row("a file outside the message", "<img src=\"file:///etc/hostname\">", {u"file:///etc/hostname"_s});
        row("counted once", "<img src=\"http://t.example/p\"><img src=\"http://t.example/p\">", {u"http://t.example/p"_s});
        row("the message's own", "<img src=\"cid:logo@x\"><img src=\"data:image/png;base64,AA==\"><img src=\"logo.png\">", {});
        row("links are not content", "<a href=\"http://t.example/\">x</a> url( in text )", {});
    }

    void everyWayOfReachingOutIsCounted()
    {
        QFETCH(QString, html);
        QFETCH(QStringList, remote);
        QCOMPARE(RemoteReferences(html), remote);
    }
};

QTEST_GUILESS_MAIN(TestHtmlLinks)
#include "test_html_links.moc"
