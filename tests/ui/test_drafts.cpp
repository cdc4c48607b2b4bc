// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing typed is lost: the question on closing a changed message, the drafts kept in
// Unfinished while typing (also across a killed process), and Exit with other windows open.
#include "MainWindowCase.h"

#include "storage/cFolderStore.h"
#include "ui/compose/unitNewMessage.h"
#include "ui/contacts/unitAddressBook.h"

#include <QProcess>

using namespace std::chrono_literals;

class TestDrafts : public QObject
{
    Q_OBJECT

    std::unique_ptr<cUiFixture> fx;
    QList<int> fAsked; // the count of each question asked

    void answer(eDraftAnswer with)
    {
        TfrmNewMessage::SetDraftQuestion([this, with](QWidget *, int count) {
            fAsked.append(count);
            return with;
        });
    }
    static QStringList drafts() { return cFolderStore::MessageFiles(u"Unfinished"_s); }
    static QByteArray fileBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    TfrmNewMessage *composer(const QString &subject) const
    {
        auto *window = new TfrmNewMessage(fx->store);
        window->SetHeaderFields(u"ann@example.org"_s, {}, subject);
        window->SetBody({u"typed"_s});
        window->show();
        return window;
    }

private slots:
    void init()
    {
        fx = std::make_unique<cUiFixture>();
        QVERIFY(fx->initStorage());
        fAsked.clear();
    }
    void cleanup()
    {
        TfrmNewMessage::SetDraftQuestion({});
        TfrmNewMessage::SetAutoSaveInterval(30s);
        QList<QPointer<TfrmNewMessage>> left;
        for (QWidget *window : QApplication::topLevelWidgets())
            left.append(qobject_cast<TfrmNewMessage *>(window));
        qDeleteAll(left);
        fx.reset();
    }

    void closingAChangedMessageAsks_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<eDraftAnswer>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("kept");
        QTest::newRow("untouched closes unasked") << false << eDraftAnswer::Cancel << true << 0;
        QTest::newRow("save") << true << eDraftAnswer::Save << true << 1;
        QTest::newRow("discard") << true << eDraftAnswer::Discard << true << 0;
        QTest::newRow("cancel") << true << eDraftAnswer::Cancel << false << 0;
    }
    void closingAChangedMessageAsks()
    {
        QFETCH(bool, typed);
        QFETCH(eDraftAnswer, answer);
        QFETCH(bool, closes);
        QFETCH(int, kept);
        this->answer(answer);
        QPointer<TfrmNewMessage> window = typed ? composer(u"Plans"_s) : new TfrmNewMessage(fx->store);
        window->show();
        window->findChild<QAction *>(u"pop_mnuFile_Close"_s)->trigger();
        QCOMPARE(fAsked, typed ? QList<int>{1} : QList<int>{});
        QCOMPARE(window && window->isVisible(), !closes);
        QCOMPARE(drafts().size(), kept);
    }

    void aSavedOrLoadedMessageClosesUnasked()
    {
        answer(eDraftAnswer::Cancel);
        QPointer<TfrmNewMessage> window = composer(u"Plans"_s);
        window->findChild<QAction *>(u"mnuFile_Save"_s)->trigger();
        QVERIFY(window->close());
        QPointer<TfrmNewMessage> reopened = new TfrmNewMessage(fx->store);
        QVERIFY(reopened->Load(cUiFixture::refOf(drafts().value(0))));
        QVERIFY(reopened->close());
        QVERIFY(fAsked.isEmpty());
    }

    // Autosave writes one file and rewrites it; Discard then undoes what it wrote.
    void autosaveKeepsOneDraftThatDiscardUndoes_data()
    {
        QTest::addColumn<bool>("opened");
        QTest::newRow("new message") << false;
        QTest::newRow("draft opened from Unfinished") << true;
    }
    void autosaveKeepsOneDraftThatDiscardUndoes()
    {
        QFETCH(bool, opened);
        const QString original = opened ? fx->putMessage(u"Unfinished"_s, u"0001.qrz"_s, cUiFixture::message("Old")) : QString();
        const QByteArray originalBytes = fileBytes(original);
        TfrmNewMessage::SetAutoSaveInterval(10ms);
        QPointer<TfrmNewMessage> window = new TfrmNewMessage(fx->store);
        if (opened)
            QVERIFY(window->Load(cUiFixture::refOf(original)));
        window->show();
        window->SetBody({u"first"_s});
        QTRY_VERIFY(fileBytes(drafts().value(0)).contains("\r\nfirst"));
        const QString draft = drafts().value(0);
        window->SetBody({u"second"_s});
        QTRY_VERIFY(fileBytes(draft).contains("\r\nsecond"));
        QCOMPARE(drafts(), QStringList{draft});
        QVERIFY(opened == (draft == original));

        answer(eDraftAnswer::Discard);
        QVERIFY(window->close());
        QCOMPARE(drafts().size(), opened ? 1 : 0);
        QCOMPARE(fileBytes(original), originalBytes);
    }

    // A kill loses what was typed since the last autosave; a polite end loses nothing.
    void aDraftSurvivesTheProgramsEnd_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::newRow("SIGKILL after an autosave") << u"kill"_s;
        QTest::newRow("SIGTERM before any autosave") << u"term"_s;
    }
    void aDraftSurvivesTheProgramsEnd()
    {
        QFETCH(QString, ending);
        QProcess helper;
        helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        helper.start(QStringLiteral(RAVELIN_DRAFT_HELPER), {ending, u"Plans for Monday"_s});
        QVERIFY(helper.waitForReadyRead(30000));
        QCOMPARE(helper.readLine().trimmed(), QByteArray("ready"));
        if (ending == u"kill")
            helper.kill();
        else
            helper.terminate();
        QVERIFY(helper.waitForFinished(30000));

        QCOMPARE(drafts().size(), 1);
        TfrmNewMessage next(fx->store);
        QVERIFY(next.Load(cUiFixture::refOf(drafts().value(0))));
        QCOMPARE(next.Composed().subject, u"Plans for Monday"_s);
        QCOMPARE(next.BodyLines(), QStringList{u"typed"_s});
    }

    void exitAsksOnceAndClosesEveryWindow_data()
    {
        QTest::addColumn<eDraftAnswer>("answer");
        QTest::addColumn<bool>("exits");
        QTest::addColumn<int>("kept");
        QTest::newRow("save all") << eDraftAnswer::Save << true << 2;
        QTest::newRow("discard all") << eDraftAnswer::Discard << true << 0;
        QTest::newRow("cancel") << eDraftAnswer::Cancel << false << 0;
    }
    void exitAsksOnceAndClosesEveryWindow()
    {
        QFETCH(eDraftAnswer, answer);
        QFETCH(bool, exits);
        QFETCH(int, kept);
        cMainWindowCase main;
        QVERIFY(main.open());
        this->answer(answer);
        const QList<QPointer<QWidget>> composers{composer(u"One"_s), composer(u"Two"_s)};
        auto *opened = new TfrmNewMessage(fx->store); // a draft opened from Unfinished, left as it was
        QVERIFY(opened->Load(cUiFixture::refOf(fx->putMessage(u"Unfinished"_s, u"0001.qrz"_s, cUiFixture::message("Old")))));
        opened->show();
        QPointer<QWidget> untouched = opened;
        TfrmAddressBook::ShowInstance();
        QPointer<QWidget> book = TfrmAddressBook::Instance();
        QVERIFY(book && book->isVisible());

        main.fWindow->findChild<QAction *>(u"mnuFile_Exit"_s)->trigger();
        QCOMPARE(fAsked, QList<int>{2});
        QCOMPARE(drafts().size(), kept + 1);
        QCOMPARE(main.fWindow->isVisible(), !exits);
        for (const QPointer<QWidget> &window : {composers[0], composers[1], untouched, book})
            QCOMPARE(window && window->isVisible(), !exits);
        if (book)
            book->close();
    }
};

QTEST_MAIN(TestDrafts)
#include "test_drafts.moc"
