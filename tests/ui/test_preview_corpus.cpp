// SPDX-License-Identifier: GPL-3.0-or-later
// Thirty real HTML mails (data/html-corpus, SOURCES.md there) go the whole way a received message
// goes, stored and then shown in the preview: each comes to show its text, and a cid: image its HTML
// names is the message's own picture when the message holds that part, else none. The view shows
// the words the rich-text rendering of "Prefer plain text" finds, and draws the same when it
// skips what is out of sight.
#include "tests/support/cScratchSettings.h"
#include "transfer/MessageHtml.h"
#include "transfer/cIncomingStore.h"
#include "ui/main/PlainTextView.h"
#include "ui/main/cHtmlView.h"
#include "ui/main/cHtmlLayout.h"
#include "ui/main/cLitehtmlContainer.h"
#include "ui/main/cPreviewPane.h"

#include <QDir>
#include <QPainter>
#include <QSet>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString corpusFolder()
{
    return qEnvironmentVariable("RAVELIN_TEST_DATA") + u"/html-corpus"_s;
}

QStringList contentIds(const QString &html)
{
    static const QRegularExpression cid(u"[\"'(]cid:([^\"')\\s>]+)"_s, QRegularExpression::CaseInsensitiveOption);
    QStringList ids;
    for (const QRegularExpressionMatch &found : cid.globalMatch(html))
        ids.append(found.captured(1));
    return ids;
}

QSet<QString> words(const QString &text)
{
    static const QRegularExpression kWord(u"\\w{4,}"_s);
    QSet<QString> found;
    for (const QRegularExpressionMatch &word : kWord.globalMatch(text))
        found.insert(word.captured().toLower());
    return found;
}

// What the document draws 800 by 400 pixels from top down.
QImage drawn(cHtmlLayout &layout, int top)
{
    QImage picture(800, 400, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const litehtml::position clip(0, 0, 800, 400);
    layout.Document().draw(reinterpret_cast<litehtml::uint_ptr>(&painter), 0, -top, &clip);
    return picture;
}

} // namespace

class TestPreviewCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(fSettings.isValid() && fSettings.initStorage()); }

    void everyMessageShowsWithItsOwnImages_data()
    {
        QTest::addColumn<QString>("path");
        const QFileInfoList files = QDir(corpusFolder()).entryInfoList({u"*.eml"_s}, QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 30);
        for (const QFileInfo &file : files)
            QTest::newRow(qPrintable(file.completeBaseName())) << file.filePath();
    }

    void everyMessageShowsWithItsOwnImages()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const auto stored = cIncomingStore::Store(file.readAll(), QString(), u"Inbox"_s);
        QVERIFY(stored);
        cMailMessage message;
        QVERIFY(message.ReadFile(stored.value().path).ok());

        cPreviewPane pane;
        pane.resize(800, 600);
        pane.Show(message);
        QTRY_VERIFY_WITH_TIMEOUT(pane.ShowsHtml(), 20000);
        const cHtmlView *view = pane.HtmlView();
        QVERIFY(view->DocumentSize().height() > 0);

        const cHtmlBody body = MessageHtml(message);
        const cLitehtmlContainer &container = view->ShownLayout()->Container();
        for (const QString &id : contentIds(body.html)) {
            const QImage *image = container.Image((QByteArray("cid:") + id.toUtf8()).constData());
            QVERIFY2((image != nullptr) == body.inlineParts.contains(id), qPrintable(id));
        }

        // The engines break lines differently ("foo<div>bar</div>baz"): words are looked for as letters.
        const QString viewLetters = view->PlainText().toLower().remove(QRegularExpression(u"\\s"_s));
        QStringList missing;
        const QSet<QString> previewWords = words(HtmlAsPlainText(body.html));
        for (const QString &word : previewWords) {
            if (!viewLetters.contains(word))
                missing.append(word);
        }
        QVERIFY2(missing.size() * 20 <= previewWords.size(), qPrintable(missing.join(u' ')));

        // Drawn only where in sight once measured (as long messages are), it draws the same.
        cHtmlLayout layout(body.html, view->MessageFont(),
                           [parts = body.inlineParts](const QString &id) { return parts.value(id); }, {});
        layout.LayOut(800);
        const int height = layout.Document().height();
        const QList<int> tops{0, height / 3, std::max(0, height - 400)};
        QList<QImage> whole;
        for (const int top : tops)
            whole.append(drawn(layout, top));
        layout.Container().MeasureDrawing(layout.Document());
        for (qsizetype at = 0; at < tops.size(); ++at)
            QVERIFY2(drawn(layout, tops[at]) == whole[at], qPrintable(QString::number(tops[at])));
    }

private:
    cScratchSettings fSettings;
};

QTEST_MAIN(TestPreviewCorpus)
#include "test_preview_corpus.moc"
