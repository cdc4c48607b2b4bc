// SPDX-License-Identifier: GPL-3.0-or-later
// What a message's HTML can make the preview do: read nothing outside the message (watched with
// inotify on a folder the HTML names in every way it can, shown and printed), load only its own
// cid: parts and small data: images, and never nest deeper than it can lay out in a moment.
#include "ui/main/PreviewHtml.h"
#include "ui/main/PreviewResources.h"
#include "ui/main/cPreviewPane.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <sys/inotify.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Files opened in one folder (by anyone) since it was made.
class cOpenProbe
{
public:
    explicit cOpenProbe(const QString &folder) : fFd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        inotify_add_watch(fFd, QFile::encodeName(folder).constData(), IN_OPEN | IN_ACCESS);
    }
    ~cOpenProbe() { ::close(fFd); }

    QStringList Opened() const
    {
        QStringList names;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t got; (got = ::read(fFd, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < got;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                names.append(event->len ? QFile::decodeName(event->name) : u"."_s);
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return names;
    }

private:
    int fFd;
};

QString dataFile(const QString &name)
{
    QFile file(qEnvironmentVariable("RAVELIN_TEST_DATA") + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

cMailMessage htmlMessage(const QString &html)
{
    cMailMessage message;
    message.Html = true;
    for (const QString &line : html.split(u'\n'))
        message.body.append(line.toUtf8());
    return message;
}

int tableDepth(const QTextFrame *frame)
{
    int deepest = 0;
    for (const QTextFrame *child : frame->childFrames())
        deepest = std::max(deepest, tableDepth(child));
    return deepest + (qobject_cast<const QTextTable *>(frame) ? 1 : 0);
}

QByteArray imageBytes(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage pixels(int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.fill(0);
    return image;
}

QUrl dataUrl(const QByteArray &type, const QByteArray &bytes)
{
    return QUrl(QString::fromLatin1("data:" + type + ";base64," + bytes.toBase64()));
}

bool isRefused(const QVariant &resource)
{
    return resource.value<QImage>() == RefusedImage();
}

} // namespace

class TestPreviewSafety : public QObject
{
    Q_OBJECT

private slots:
    void nothingOutsideTheMessageIsOpened()
    {
        QTemporaryDir dir;
        QVERIFY(pixels(4, 4).save(dir.filePath(u"pixel.png"_s)));
        QFile css(dir.filePath(u"style.css"_s));
        QVERIFY(css.open(QIODevice::WriteOnly) && css.write("p { color: red }") > 0);
        css.close();
        const QString html = dataFile(u"local_resources.html"_s).replace(u"@DIR@"_s, dir.path());
        QVERIFY(html.contains(u"file:///dev/zero"_s));
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());

        const cOpenProbe probe(dir.path());
        cPreviewPane pane;
        pane.resize(600, 400);
        pane.show();
        pane.Show(htmlMessage(html));
        QVERIFY(pane.ShowsHtml());
        (void)pane.grab(); // painted: images are loaded by then
        QTemporaryDir elsewhere;
        QPrinter printer;
        printer.setOutputFileName(elsewhere.filePath(u"printed.pdf"_s));
        pane.Print(printer);
        QDir::setCurrent(before);

        QCOMPARE(probe.Opened(), QStringList{});
        QVERIFY(pane.ShownText().contains(u"styled"_s));
    }

    void onlyTheMessagesOwnImagesAreLoaded_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<QSize>("shown"); // empty: refused

        QTest::newRow("own part") << QUrl(u"cid:logo@example.org"_s) << QSize(3, 2);
        QTest::newRow("no such part") << QUrl(u"cid:other@example.org"_s) << QSize();
        QTest::newRow("data png") << dataUrl("image/png", imageBytes(pixels(5, 4), "PNG")) << QSize(5, 4);
        QTest::newRow("data, percent-encoded") << QUrl(u"data:image/png;base64,"_s + QString::fromLatin1(
                                                    imageBytes(pixels(2, 2), "PNG").toBase64().toPercentEncoding()))
                                               << QSize(2, 2);
        QTest::newRow("data, vast picture") << dataUrl("image/png", imageBytes(pixels(5000, 4000), "PNG")) << QSize();
        QTest::newRow("data svg") << dataUrl("image/svg+xml", R"(<svg xmlns="http://www.w3.org/2000/svg"
            xmlns:xlink="http://www.w3.org/1999/xlink" width="9" height="9"><image xlink:href="/etc/hostname"
            width="9" height="9"/></svg>)") << QSize();
        QTest::newRow("data, too long") << dataUrl("image/png", QByteArray(kMaxInlineImageBytes + 1, 'x')) << QSize();
        QTest::newRow("device") << QUrl(u"file:///dev/zero"_s) << QSize();
        QTest::newRow("local path") << QUrl(u"/etc/hostname"_s) << QSize();
        QTest::newRow("relative path") << QUrl(u"pixel.png"_s) << QSize();
        QTest::newRow("resource") << QUrl(u"qrc:/qt-project.org/styles/commonstyle/images/file-16.png"_s) << QSize();
        QTest::newRow("remote") << QUrl(u"https://example.org/track.png"_s) << QSize();
    }

    void onlyTheMessagesOwnImagesAreLoaded()
    {
        QFETCH(QUrl, url);
        QFETCH(QSize, shown);
        QStringList asked;
        const cInlinePartLookup parts = [&asked](const QString &id) {
            asked.append(id);
            return id == u"logo@example.org"_s ? imageBytes(pixels(3, 2), "BMP") : QByteArray();
        };
        const QVariant resource = PreviewResource(QTextDocument::ImageResource, url, parts);
        if (shown.isEmpty())
            QVERIFY(isRefused(resource));
        else
            QCOMPARE(resource.value<QImage>().size(), shown);
        QCOMPARE(asked.isEmpty(), url.scheme() != u"cid"_s);
        QCOMPARE(PreviewResource(QTextDocument::StyleSheetResource, url, parts).toString(), QString());
    }

    void deepTablesBecomeText()
    {
        const QString html = dataFile(u"nested_tables_24.html"_s);
        QTextDocument document;
        document.setHtml(BoundedPreviewHtml(html));
        QVERIFY(tableDepth(document.rootFrame()) <= kMaxTableNesting);
        QVERIFY(tableDepth(document.rootFrame()) >= 4);
        cPreviewPane pane;
        pane.Show(htmlMessage(html));
        const QString text = pane.ShownText();
        QVERIFY(text.contains(u"level 1"_s) && text.contains(u"level 24"_s) && text.contains(u"deepest"_s));
    }

    void aWideTableBeyondTheBudgetBecomesText()
    {
        QString html = u"<table>"_s;
        for (int row = 0; row < 1000; ++row)
            html += u"<tr><td>a</td><td>b</td><td>c</td><td>d</td><td>e</td></tr>"_s;
        QTextDocument document;
        document.setHtml(BoundedPreviewHtml(html + u"</table><table><tr><td>small</td><td>too</td></tr></table>"_s));
        QCOMPARE(document.rootFrame()->childFrames().size(), 1); // only the small one stays a table
        QCOMPARE(document.toPlainText().count(u'e'), 1000);
        // A row a block: the engine lays out a block whole, holding the window meanwhile.
        QVERIFY(document.blockCount() >= 1000);
    }

    // litehtml lays each cell out three times, so each level of tables triples the layout.
    void tablesNestAsDeepAsTheirLayoutAffords()
    {
        const auto nested = [](int levels) {
            return u"<table><tr><td>level"_s.repeated(levels) + u"</td></tr></table>"_s.repeated(levels);
        };
        QCOMPARE(BoundedPreviewHtml(nested(9)).count(u"<table>"_s), 9);
        QCOMPARE(BoundedPreviewHtml(nested(10)).count(u"<table>"_s), 9);
        QVERIFY(BoundedPreviewHtml(nested(10)).contains(u"level<br><div> level</div>"_s));
        // Three cells a level cost three times as much.
        QCOMPARE(BoundedPreviewHtml(nested(9).replace(u"<td>"_s, u"<td>a</td><td>b</td><td>"_s)).count(u"<table>"_s), 8);
    }

    // The rows of tables shown as text are blocks one after the other: nested, they would nest
    // as deep as the tables did.
    void rowsOfTablesShownAsTextNestNoBlocks()
    {
        const QString bounded = BoundedPreviewHtml(dataFile(u"nested_tables_24.html"_s));
        QCOMPARE(bounded.count(u"<table"_s), 7);
        QCOMPARE(bounded.count(u"<div>"_s), 24 - 7);
        int depth = 0, deepest = 0;
        static const QRegularExpression kDiv(u"<(/?)div>"_s);
        for (const QRegularExpressionMatch &match : kDiv.globalMatch(bounded)) {
            depth += match.captured(1).isEmpty() ? 1 : -1;
            deepest = std::max(deepest, depth);
        }
        QCOMPARE(deepest, 1);
        for (int level = 1; level <= 24; ++level)
            QVERIFY(bounded.contains(u"level %1\n"_s.arg(level)));
    }

    void nestingIsCappedWhateverTheElement_data()
    {
        QTest::addColumn<QString>("open");
        QTest::newRow("div") << u"<div>"_s;
        QTest::newRow("list") << u"<ul><li>"_s;
        QTest::newRow("table") << u"<table><tr><td>"_s;
        QTest::newRow("inline") << u"<font color=red><b>"_s;
    }

    void nestingIsCappedWhateverTheElement()
    {
        QFETCH(QString, open);
        const QString bounded = BoundedPreviewHtml(open.repeated(30000) + u"inside"_s);
        int depth = 0, deepest = 0;
        static const QRegularExpression tag(u"<(/?)(\\w+)"_s);
        for (const QRegularExpressionMatch &match : tag.globalMatch(bounded)) {
            if (match.captured(2) == u"br"_s)
                continue;
            depth += match.captured(1).isEmpty() ? 1 : -1;
            deepest = std::max(deepest, depth);
        }
        QCOMPARE(depth, 0); // all closed again
        QVERIFY(deepest <= kMaxElementNesting);
        QVERIFY(bounded.count(u"<br>"_s) <= kMaxElementNesting + 1); // not a line for every level
        QVERIFY(bounded.contains(u"inside"_s));
    }

    // litehtml styles each element from all those around it: many deep down cost it their
    // number times their depth.
    void fewElementsOpenDeepDown()
    {
        const QString deep = u"<div>"_s.repeated(kDeepNesting + 10);
        const QString few = BoundedPreviewHtml(deep + u"<b>x</b>"_s.repeated(100));
        QCOMPARE(few.count(u"<b>"_s), 100);
        const QString many = BoundedPreviewHtml(deep + u"<b>x</b>"_s.repeated(3 * kDeepElements) + u"<p>end"_s);
        QCOMPARE(many.count(u"<b>"_s), kDeepElements - 10);
        QCOMPARE(many.count(u'x'), 3 * kDeepElements); // the text stays
        QVERIFY(many.contains(u"xend</div>"_s));
        // Shallower, any number.
        const QString shallow = BoundedPreviewHtml(u"<div>"_s.repeated(kDeepNesting - 1) + u"<b>x</b>"_s.repeated(3 * kDeepElements));
        QCOMPARE(shallow.count(u"<b>"_s), 3 * kDeepElements);
    }

    void ordinaryHtmlKeepsItsStructure_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("bounded");
        QTest::newRow("as written") << u"<p class=\"x\">Hi <b>there</b></p>"_s
                                    << u"<p class=\"x\">Hi <b>there</b></p>"_s;
        QTest::newRow("attributes quoted") << u"<A HREF=http://a.example/?q=1 title='say \"hi\"'>a</a>"_s
                                           << u"<a href=\"http://a.example/?q=1\" title=\"say &quot;hi&quot;\">a</a>"_s;
        QTest::newRow("implied ends") << u"<ul><li>1<li>2</ul><p>a<p>b"_s
                                      << u"<ul><li>1</li><li>2</li></ul><p>a</p><p>b</p>"_s;
        QTest::newRow("cells") << u"<table><tr><td>1<td>2<tr><td>3</table>x"_s
                               << u"<table><tr><td>1</td><td>2</td></tr><tr><td>3</td></tr></table>x"_s;
        QTest::newRow("stray end tags") << u"a</div><i>b</b></i>"_s << u"a<i>b</i>"_s;
        QTest::newRow("comments and scripts go") << u"a<!-- <table> --><script>x<y</script>b"_s << u"ab"_s;
        QTest::newRow("style kept as it is") << u"<style>p > b { }</style>"_s << u"<style>p > b { }</style>"_s;
        QTest::newRow("text that is no tag") << u"1 < 2 <3 & <"_s << u"1 &lt; 2 &lt;3 & &lt;"_s;
        QTest::newRow("cut off in a tag") << u"a<img src=\"x"_s << u"a"_s;
        QTest::newRow("end tags stay in their table")
            << u"<div><table><tr><td>a</div>b<td>c</table>d</div>"_s
            << u"<div><table><tr><td>ab</td><td>c</td></tr></table>d</div>"_s;
        QTest::newRow("a cell gets a row") << u"<table><td>x<td>y</table>"_s
                                           << u"<table><tr><td>x</td><td>y</td></tr></table>"_s;
        QTest::newRow("a table of one cell stays a table")
            << u"<table><tr><td align=center bgcolor=\"#0a58ca\">x</table>y"_s
            << u"<table><tr><td align=\"center\" bgcolor=\"#0a58ca\">x</td></tr></table>y"_s;
        QTest::newRow("hidden content is left out")
            << u"<div style='color:red; DISPLAY: none'>pre<b>view</b><img src=x></div>shown<p hidden>h</p><p>end"_s
            << u"<div style=\"color:red; DISPLAY: none\"><b></b></div>shown<p hidden></p><p>end</p>"_s;
        QTest::newRow("cells outside tables are text") << u"<td>a<td>b</td>"_s << u" a b"_s;
        QTest::newRow("a list starts where it says") << u"<ol start=3 type=i><li>c</ol>"_s
                                                     << u"<ol start=\"3\" type=\"i\"><li>c</li></ol>"_s;
        // litehtml writes roman numbers of any size: a thousand letters for each million.
        QTest::newRow("a list starts within bounds")
            << u"<ol start=\" 2147483000\"></ol><ol start=-999999x></ol><ol start=0099999999999999></ol><ol start=x></ol>"_s
            << u"<ol start=\"99999\"></ol><ol start=\"-99999\"></ol><ol start=\"99999\"></ol><ol start=\"x\"></ol>"_s;
        // To litehtml a list item is numbered from its parent's start, whatever the parent.
        QTest::newRow("any element starts within bounds")
            << u"<div start=2147483000></div><l<ol start=2147483000></l<ol>"_s
            << u"<div start=\"99999\"></div><l ol start=\"99999\"></l>"_s;
    }

    void ordinaryHtmlKeepsItsStructure()
    {
        QFETCH(QString, html);
        QFETCH(QString, bounded);
        QCOMPARE(BoundedPreviewHtml(html), bounded);
    }
};

QTEST_MAIN(TestPreviewSafety)
#include "test_preview_safety.moc"
