// SPDX-License-Identifier: GPL-3.0-or-later
// Thirty real HTML mails (data/html-corpus, SOURCES.md there) go the whole way a received message
// goes, stored and then shown in the preview: each comes to show its text, and a cid: image its HTML
// names is the message's own picture when the message holds that part, else the refused placeholder.
// The litehtml view shows each with the words the preview shows.
#include "tests/support/cScratchSettings.h"
#include "transfer/MessageHtml.h"
#include "transfer/cIncomingStore.h"
#include "ui/main/PreviewResources.h"
#include "ui/main/cHtmlView.h"
#include "ui/main/cPreviewBrowser.h"
#include "ui/main/cPreviewPane.h"

#include <QDir>
#include <QSet>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

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
        pane.Show(message);
        const auto shown = [&pane] { return pane.Browser()->toPlainText().trimmed(); };
        QTRY_VERIFY_WITH_TIMEOUT(shown() != cPreviewPane::tr("Loading..."), 20000);
        QVERIFY(!shown().isEmpty());

        QTextDocument *document = pane.Browser()->document();
        const cHtmlBody body = MessageHtml(message);
        for (const QString &id : contentIds(body.html)) {
            const QImage image = document->resource(QTextDocument::ImageResource, QUrl(u"cid:"_s + id)).value<QImage>();
            QVERIFY2(!image.isNull(), qPrintable(id));
            QVERIFY2((image == RefusedImage()) != body.inlineParts.contains(id), qPrintable(id));
        }

        // The litehtml view shows the same words; it may hide what the sender hid.
        cHtmlView view;
        view.resize(800, 600);
        view.ShowHtml(body.html, [&body](const QString &id) { return body.inlineParts.value(id); });
        QVERIFY(view.DocumentSize().height() > 0);
        // The engines break lines differently ("foo<div>bar</div>baz"): words are looked for as letters.
        const QString viewLetters = view.PlainText().toLower().remove(QRegularExpression(u"\\s"_s));
        QStringList missing;
        const QSet<QString> previewWords = words(shown());
        for (const QString &word : previewWords) {
            if (!viewLetters.contains(word))
                missing.append(word);
        }
        QVERIFY2(missing.size() * 20 <= previewWords.size(), qPrintable(missing.join(u' ')));
    }

private:
    cScratchSettings fSettings;
};

QTEST_MAIN(TestPreviewCorpus)
#include "test_preview_corpus.moc"
