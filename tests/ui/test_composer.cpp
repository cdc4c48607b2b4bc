// SPDX-License-Identifier: GPL-3.0-or-later
// The compose window: what each way out writes where, the checks before sending, the caption,
// lines as displayed, the editing commands, attachments, signatures and the window state.
#include "UiFixture.h"

#include "app/WindowSteps.h"
#include "storage/cContactStore.h"
#include "storage/cFolderStore.h"
#include "storage/cSignatureStore.h"
#include "tests/support/cMemoryMailStore.h"
#include "ui/compose/unitNewMessage.h"
#include "ui/wndlist/cAddressFieldCompleter.h"
#include "ui/wndlist/unitWndListProcs.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QSet>
#include <QSignalSpy>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

class TestComposer : public QObject
{
    Q_OBJECT

    cQrzMailStore fStore; // the send step's

    struct cComposerCase
    {
        cUiFixture fx;
        QPointer<TfrmNewMessage> window;

        explicit cComposerCase(bool sendImmediately = false)
        {
            QVERIFY(fx.initStorage());
            QVERIFY(cOptions::write(Opt::SendMailImmideatly, sendImmediately));
            window = new TfrmNewMessage(fx.store);
            window->show();
        }
        ~cComposerCase() { delete window; }

        QLineEdit *field(const char *name) const { return window->findChild<QLineEdit *>(QLatin1String(name)); }
        QPlainTextEdit *body() const { return window->findChild<QPlainTextEdit *>(u"rtfMain"_s); }
        void trigger(const char *action) const { window->findChild<QAction *>(QLatin1String(action))->trigger(); }
        QStringList files(const char *folder) const { return cFolderStore::MessageFiles(QLatin1String(folder)); }
        void fill(const QString &to, const QString &subject, const QStringList &body) const
        {
            window->SetHeaderFields(to, QString(), subject);
            window->SetBody(body);
        }
    };

    static cMailMessage stored(const QString &path)
    {
        cMailMessage m;
        (void)m.ReadFile(path);
        return m;
    }

    // Answers the next message box with OK and tells its caption and text.
    static std::shared_ptr<QStringList> answerMessageBox()
    {
        auto seen = std::make_shared<QStringList>();
        answerModals([seen](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                return false;
            *seen = {box->windowTitle(), box->text()};
            box->accept();
            return false;
        });
        return seen;
    }

private slots:
    void initTestCase() { InstallWindowSteps(fStore); }

    // Each command is made once from the table, where the window's own code finds it by id.
    void everyCommandIsMadeOnceFromTheTable()
    {
        cComposerCase c;
        QSet<QAction *> seen;
        for (const cNewMessageCommand &info : NewMessageCommands()) {
            QAction *action = c.window->Command(info.id);
            QVERIFY2(action && !seen.contains(action), info.name);
            seen.insert(action);
            QCOMPARE(c.window->findChildren<QAction *>(QLatin1String(info.name)), QList<QAction *>{action});
            QCOMPARE(action->isCheckable(), info.checkable);
        }
        QCOMPARE(c.window->Command(eNewMessageCommand::SendNow)->shortcut(), QKeySequence(u"Ctrl+S"_s));
        QCOMPARE(c.window->Command(eNewMessageCommand::Undo)->shortcut(), QKeySequence(QKeySequence::Undo));
        QVERIFY(c.window->Command(eNewMessageCommand::PriorityNormal)->isChecked());
        const QList<QAction *> toolbar = c.window->findChild<QToolBar *>(u"DFSToolBar"_s)->actions();
        for (eNewMessageCommand id : {eNewMessageCommand::SendNow, eNewMessageCommand::AttachFile})
            QVERIFY(toolbar.contains(c.window->Command(id)));
    }
    // To, CC and Bcc offer the address book and the addresses mail was sent to; Tab takes one.
    void addressFieldsOfferContactsAndSentRecipients()
    {
        cComposerCase c;
        QVERIFY(cContactStore::WriteNewContact(u"Ann Example"_s, u"ann@example.org"_s));
        cMailMessage sent;
        sent.To = "Bob Sent <bob@example.org>, carol@example.org";
        sent.Subject = "Hi";
        sent.DateTime = "2026-12-01 10:00:00";
        c.fx.putMessage(u"Sent items"_s, u"sent1.qrz"_s, sent);

        const struct
        {
            const char *field;
            QString typed, expected;
        } cases[]{{"edtTo", u"an"_s, u"Ann Example <ann@example.org>, "_s},
                  {"edtCC", u"bo"_s, u"Bob Sent <bob@example.org>, "_s},
                  {"edtBCC", u"x@y, car"_s, u"x@y, carol@example.org, "_s}};
        for (const auto &test : cases) {
            QLineEdit *field = c.field(test.field);
            field->setFocus();
            QTest::keyClicks(field, test.typed);
            auto *completer = field->findChild<cAddressFieldCompleter *>()->Completer();
            QTRY_VERIFY2(completer->popup()->isVisible(), test.field);
            QTest::keyClick(completer->popup(), Qt::Key_Tab);
            QCOMPARE(field->text(), test.expected);
        }
    }
    void aRecipientIsNeededToSend_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("send now") << u"mnuFile_SendNow"_s;
        QTest::newRow("send later") << u"mnuFile_SendLater"_s;
    }
    void aRecipientIsNeededToSend()
    {
        QFETCH(QString, action);
        cComposerCase c;
        for (const QString &blank : {QString(), u"  \t "_s}) {
            c.fill(blank, u"Subject"_s, {u"Body"_s});
            const auto seen = answerMessageBox();
            c.trigger(action.toLatin1().constData());
            QCOMPARE(*seen, (QStringList{u"Missing field"_s,
                                         u"The are no receipiants of this message. Send is not possible."_s}));
            QVERIFY(c.window && c.window->isVisible());
            QVERIFY(c.files("Unsent").isEmpty());
        }
        c.fill(u"  ann@example.org"_s, u"Subject"_s, {u"Body"_s});
        c.trigger(action.toLatin1().constData());
        QTRY_VERIFY(c.window.isNull());
        QCOMPARE(c.files("Unsent").size(), 1);
        QFile file(c.files("Unsent").first());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("\r\nTo=  ann@example.org\r\n"));
    }

    void aSavedMessageIsMovedIntoUnsentWhenSent()
    {
        cComposerCase c;
        c.fill(u"ann@example.org"_s, u"Draft"_s, {u"first"_s});
        c.trigger("mnuFile_Save");
        QCOMPARE(c.files("Unfinished").size(), 1);
        const QString draft = c.files("Unfinished").first();
        QCOMPARE(cUiFixture::pathOf(c.window->Source()), draft);
        c.window->SetBody({u"second"_s});
        c.trigger("mnuFile_Save"); // saves again over the same file
        QCOMPARE(c.files("Unfinished"), QStringList{draft});
        QCOMPARE(stored(draft).body, QList<QByteArray>{"second"});

        c.trigger("mnuFile_SendNow");
        QTRY_VERIFY(c.window.isNull());
        QVERIFY(c.files("Unfinished").isEmpty());
        QCOMPARE(c.files("Unsent").size(), 1);
        QCOMPARE(QFileInfo(c.files("Unsent").first()).fileName(), QFileInfo(draft).fileName());
    }

    // The composer works on the store it was given: a draft saved and then sent later is one
    // message there, moved from Unfinished to Unsent, and no file of the folder tree is written.
    void aDraftSentLaterMovesWithinItsOwnStore()
    {
        cUiFixture fx;
        QVERIFY(fx.initStorage());
        cMemoryMailStore store;
        const QString unfinished = FolderName(eFolderKind::Unfinished);
        const QString unsent = FolderName(eFolderKind::Unsent);
        QPointer<TfrmNewMessage> window = new TfrmNewMessage(store);
        window->SetHeaderFields(u"ann@example.org"_s, QString(), u"Plans"_s);
        window->SetBody({u"first"_s});
        window->Command(eNewMessageCommand::Save)->trigger();
        QCOMPARE(store.Messages(unfinished).size(), 1);
        QVERIFY(window->Source() == store.Messages(unfinished).first());

        QSignalSpy changed(&store, &cMailStore::FolderChanged);
        window->SetBody({u"second"_s});
        window->Command(eNewMessageCommand::SendLater)->trigger();
        QTRY_VERIFY(window.isNull());
        QVERIFY(store.Messages(unfinished).isEmpty());
        const QList<cMessageRef> queued = store.Messages(unsent);
        QCOMPARE(queued.size(), 1);
        QCOMPARE(store.Read(queued.first()).value().body, QList<QByteArray>{"second"});
        QVERIFY(changed.contains(QVariantList{unsent}));
        QVERIFY(cFolderStore::MessageFiles(unfinished).isEmpty() && cFolderStore::MessageFiles(unsent).isEmpty());
    }

    void aMessageOpenedFromUnfinishedIsFinishedInPlace()
    {
        cComposerCase c;
        cMailMessage draft = cUiFixture::message("Old subject");
        draft.CC = "cc@example.org";
        draft.Priority = 4;
        draft.attachments = {u"/tmp/one.pdf"_s, u"/tmp/two.txt"_s};
        const QString path = c.fx.putMessage(u"Unfinished"_s, u"mail17.qrz"_s, draft);
        QVERIFY(c.window->Load(cUiFixture::refOf(path)));
        QCOMPARE(c.field("edtTo")->text(), u"bob@example.org"_s);
        QCOMPARE(c.field("edtCC")->text(), u"cc@example.org"_s);
        QCOMPARE(c.window->windowTitle(), u"Old subject"_s);
        QVERIFY(c.window->findChild<QAction *>(u"pop_mnuTools_SetPriority_Low"_s)->isChecked());
        QCOMPARE(c.window->findChild<QListWidget *>(u"lstAttachments"_s)->count(), 2);
        QVERIFY(c.window->findChild<QWidget *>(u"pnlAttachmentContainer"_s)->isVisible());

        c.field("edtSubject")->setText(u"New subject"_s);
        c.trigger("mnuFile_FinishLater");
        QTRY_VERIFY(c.window.isNull());
        QCOMPARE(c.files("Unfinished"), QStringList{path});
        const cMailMessage finished = stored(path);
        QCOMPARE(finished.Subject, QByteArray("New subject"));
        QCOMPARE(finished.Priority, 4);
        QCOMPARE(finished.attachments, draft.attachments);
        QCOMPARE(finished.body, draft.body);
    }

    // A draft opened and saved again keeps the bytes of every field the user left alone,
    // whatever charset they are in; an edited field is written as typed.
    void savingADraftKeepsTheBytesOfUneditedFields_data()
    {
        QTest::addColumn<QByteArray>("subject");
        QTest::addColumn<QByteArray>("body"); // lines joined by LF
        QTest::addColumn<QByteArray>("charset"); // declared by the stored header, if at all
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("shownSubject");
        const QByteArray legacySubject("Caf\xe9 \x93ok\x94");
        const QByteArray legacyBody("Gr\xfc\xdf" "e\n\x80 5,-");
        QTest::newRow("Windows-1252, untouched")
            << legacySubject << legacyBody << QByteArray() << QString() << u"Café “ok”"_s;
        QTest::newRow("bytes no charset reads, untouched")
            << QByteArray("\x81\x8d\x90\x9d") << QByteArray("\xc3\x28\xff\n\x8f") << QByteArray() << QString() << QString();
        QTest::newRow("a line wider than the window, untouched")
            << QByteArray("Long") << QByteArray("Lorem ipsum \xe9t\xe9 ").repeated(40) << QByteArray() << QString()
            << u"Long"_s;
        QTest::newRow("subject edited: the body stays")
            << legacySubject << legacyBody << QByteArray() << u"subject"_s << u"Café “ok”"_s;
        QTest::newRow("body edited: the subject stays")
            << legacySubject << legacyBody << QByteArray() << u"body"_s << u"Café “ok”"_s;
        QTest::newRow("declared KOI8-R body, subject edited")
            << QByteArray("Hi") << QByteArray("\xf0\xd2\xc9\xd7\xc5\xd4") << QByteArray("KOI8-R") << u"subject"_s
            << u"Hi"_s;
    }
    void savingADraftKeepsTheBytesOfUneditedFields()
    {
        QFETCH(QByteArray, subject);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, charset);
        QFETCH(QString, edit);
        QFETCH(QString, shownSubject);
        cComposerCase c;
        cMailMessage draft = cUiFixture::message(subject);
        draft.To = "J\xf6rg <joerg@example.org>";
        draft.CC = "\xc3\x28@example.org";
        draft.body = body.split('\n');
        if (!charset.isEmpty())
            draft.headerLines = {"Content-Type: text/plain; charset=" + charset};
        const QString path = c.fx.putMessage(u"Unfinished"_s, u"mail1.qrz"_s, draft);
        QVERIFY(c.window->Load(cUiFixture::refOf(path)));
        QCOMPARE(c.field("edtTo")->text(), u"Jörg <joerg@example.org>"_s);
        if (!shownSubject.isNull())
            QCOMPARE(c.field("edtSubject")->text(), shownSubject);
        const QString shownBody = c.body()->toPlainText();
        if (edit == u"subject") {
            c.field("edtSubject")->setText(u"Grüße"_s);
            draft.Subject = "Gr\xc3\xbc\xc3\x9f" "e";
        } else if (edit == u"body") {
            c.window->SetBody({u"Tschüß"_s});
            draft.body = {"Tsch\xc3\xbc\xc3\x9f"};
        }
        c.trigger("mnuFile_Save");
        QCOMPARE(cUiFixture::pathOf(c.window->Source()), path);
        const cMailMessage saved = stored(path);
        QCOMPARE(saved.Subject, draft.Subject);
        QCOMPARE(saved.To, draft.To);
        QCOMPARE(saved.CC, draft.CC);
        QCOMPARE(saved.body, draft.body);
        if (edit != u"body") {
            TfrmNewMessage reopened(c.fx.store);
            QVERIFY(reopened.Load(cUiFixture::refOf(path)));
            QCOMPARE(reopened.findChild<QPlainTextEdit *>(u"rtfMain"_s)->toPlainText(), shownBody);
        }
    }

    // The sender declares what it sends as UTF-8: a draft sent goes as the text it showed.
    void aDraftSentIsWrittenAsItsText()
    {
        cComposerCase c;
        cMailMessage draft = cUiFixture::message("Caf\xe9");
        draft.body = {"Gr\xfc\xdf" "e"};
        QVERIFY(c.window->Load(cUiFixture::refOf(c.fx.putMessage(u"Unfinished"_s, u"mail1.qrz"_s, draft))));
        c.trigger("mnuFile_SendLater");
        QTRY_VERIFY(c.window.isNull());
        const cMailMessage sent = stored(c.files("Unsent").value(0));
        QCOMPARE(sent.Subject, QByteArray("Caf\xc3\xa9"));
        QCOMPARE(sent.body, QList<QByteArray>{"Gr\xc3\xbc\xc3\x9f" "e"});
    }

    void sendingWithoutAnAccountKeepsTheMessageInUnsent()
    {
        cComposerCase c(true);
        c.fill(u"ann@example.org"_s, u"Hi"_s, {u"Body"_s});
        const auto seen = answerMessageBox();
        c.trigger("mnuFile_SendNow");
        QTRY_VERIFY(c.window.isNull());
        QCOMPARE(seen->value(0), u"No account set"_s);
        QVERIFY(seen->value(1).contains(u"saved in the \"unsent\" folder"_s));
        QCOMPARE(c.files("Unsent").size(), 1);
    }

    void aFailedSaveKeepsTheWindowAndItsText()
    {
        cComposerCase c;
        QVERIFY(QDir(c.fx.folderPath(u"Unfinished"_s)).removeRecursively());
        c.fill(u"ann@example.org"_s, u"Precious"_s, {u"Hours of typing"_s});
        const auto seen = answerMessageBox();
        c.trigger("mnuFile_FinishLater");
        QTRY_COMPARE(seen->value(0), u"Cannot save the message"_s);
        QVERIFY(seen->value(1).contains(u"Unfinished"_s));
        QVERIFY(c.window && c.window->isVisible());
        QCOMPARE(c.window->BodyLines(), QStringList{u"Hours of typing"_s});
    }

    void theCaptionAndItsListItemFollowTheSubject()
    {
        cComposerCase c;
        QCOMPARE(c.window->windowTitle(), u"New message"_s);
        QTest::keyClicks(c.field("edtSubject"), u"Re: x & y"_s);
        QCOMPARE(c.window->windowTitle(), u"Re: x & y"_s);
        QCOMPARE(c.window->AssociatedMenuItem()->text(), u"Re: x && y"_s);
        c.field("edtSubject")->clear();
        QCOMPARE(c.window->windowTitle(), u"New message"_s);
        QCOMPARE(c.window->AssociatedMenuItem()->text(), u"New message"_s);
        const int listed = cWndList::instance().Count();
        c.window->close();
        QTRY_VERIFY(c.window.isNull());
        QCOMPARE(cWndList::instance().Count(), listed - 1);
    }

    void aLongParagraphIsSavedAsTheLinesShown()
    {
        const QString paragraph = u"Lorem ipsum dolor sit amet, consectetur adipiscing elit. "_s.repeated(10).trimmed();
        QList<int> lineCounts;
        for (int width : {420, 900}) {
            cComposerCase c;
            c.window->resize(width, 500);
            c.fill(u"ann@example.org"_s, u"Long"_s, {u"Hi,"_s, paragraph});
            QApplication::processEvents();
            const QStringList lines = c.window->BodyLines();
            QCOMPARE(lines.first(), u"Hi,"_s);
            QCOMPARE(lines.mid(1).join(QString()), paragraph);
            lineCounts.append(int(lines.size()));
            c.trigger("mnuFile_Save");
            QList<QByteArray> expected;
            for (const QString &line : lines)
                expected.append(line.toUtf8());
            QCOMPARE(stored(cUiFixture::pathOf(c.window->Source())).body, expected);
        }
        QVERIFY2(lineCounts.at(0) > lineCounts.at(1) && lineCounts.at(1) > 2,
                 qPrintable(u"narrow %1, wide %2"_s.arg(lineCounts.at(0)).arg(lineCounts.at(1))));
    }

    void editingCommandsActOnTheBody()
    {
        cComposerCase c;
        c.window->SetBody({u"Sent:"_s, u"Hello, World!"_s});
        QTextCursor cursor = c.body()->textCursor();
        cursor.setPosition(2);
        c.body()->setTextCursor(cursor);
        c.trigger("Insert_DateTime");
        const QStringList lines = c.window->BodyLines();
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.at(0).startsWith(u"Sent:"_s + DateTimeText(eDateTimeKind::Date) + u' '), qPrintable(lines.at(0)));
        QCOMPARE(lines.at(1), u"Hello, World!"_s);

        c.window->SetBody({u"Hello, World!"_s, QString(), u"Bye"_s});
        c.trigger("mnuTools_EncodeROT13");
        QCOMPARE(c.window->BodyLines(), (QStringList{u"Uryyb, Jbeyq!"_s, QString(), u"Olr"_s}));
        c.trigger("mnuTools_DecodeROT13");
        QCOMPARE(c.window->BodyLines(), (QStringList{u"Hello, World!"_s, QString(), u"Bye"_s}));

        c.window->SetBody({});
        c.window->Insert_DateTimeClick(eDateTimeKind::Date);
        QCOMPARE(c.window->BodyLines(), QStringList{DateTimeText(eDateTimeKind::Date)});
    }

    void thePriorityItemDecidesTheStoredLine_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("high") << u"pop_mnuTools_SetPriority_High"_s << QByteArray("\r\nPriority=2\r\n");
        QTest::newRow("low") << u"pop_mnuTools_SetPriority_Low"_s << QByteArray("\r\nPriority=1\r\n");
        QTest::newRow("normal") << u"pop_mnuTools_SetPriority_normal"_s << QByteArray("\r\nPriority=0\r\n");
    }
    void thePriorityItemDecidesTheStoredLine()
    {
        QFETCH(QString, item);
        QFETCH(QByteArray, line);
        cComposerCase c;
        c.trigger("pop_mnuTools_SetPriority_High");
        c.trigger(item.toLatin1().constData());
        int checked = 0;
        for (const char *name : {"pop_mnuTools_SetPriority_Low", "pop_mnuTools_SetPriority_normal",
                                 "pop_mnuTools_SetPriority_High"})
            checked += c.window->findChild<QAction *>(QLatin1String(name))->isChecked() ? 1 : 0;
        QCOMPARE(checked, 1);
        c.trigger("mnuFile_Save");
        QFile file(cUiFixture::pathOf(c.window->Source()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(line));
    }

    void signaturesAreAppendedAtTheEnd()
    {
        cComposerCase c;
        auto *popSignatures = c.window->findChild<QMenu *>(u"popSignatures"_s);
        c.window->SetBody({u"Hi"_s});
        c.window->tbSignaturesClick();
        QCOMPARE(c.window->BodyLines(), QStringList{u"Hi"_s});
        QStringList items;
        for (const QAction *action : popSignatures->actions())
            items.append(action->isSeparator() ? u"-"_s : action->text() + (action->isEnabled() ? u""_s : u" (off)"_s));
        QCOMPARE(items, (QStringList{u"No signatures avaliable (off)"_s, u"-"_s, u"Manage signatures..."_s}));

        QVERIFY(cSignatureStore::SaveNewSignature(u"A & Co"_s, {"--", "Ann"}));
        QVERIFY(cSignatureStore::SaveNewSignature(u"B"_s, {"Bob"}));
        QVERIFY(cSignatureStore::SaveNewSignature(u"Gone"_s, {"lost"}));
        QVERIFY(QFile::remove(cSignatureStore::SignatureFileName(u"Gone"_s)));
        c.window->tbSignaturesClick();
        c.window->tbSignaturesClick();
        c.window->AppendSignature(u"Gone"_s);
        QCOMPARE(popSignatures->actions().first()->text(), u"A && Co"_s);
        QCOMPARE(c.window->BodyLines(), (QStringList{u"Hi"_s, u"--"_s, u"Ann"_s, u"--"_s, u"Ann"_s}));

        c.window->SetBody({u"Hi"_s, QString(), QString(), QString()});
        c.window->AppendSignature(u"b"_s);
        QCOMPARE(c.window->BodyLines(), (QStringList{u"Hi"_s, QString(), QString(), u"Bob"_s}));
    }

    void filesDroppedOnTheBodyBecomeAttachments()
    {
        cComposerCase c;
        const QString a = c.fx.fDir.filePath(u"a.txt"_s), b = c.fx.fDir.filePath(u"b c.pdf"_s);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
        data.setText(u"should not reach the body"_s);
        QWidget *viewport = c.body()->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        QCOMPARE(c.window->Composed().attachments, (QStringList{a, b}));
        QVERIFY(c.window->BodyLines().isEmpty());
        auto *list = c.window->findChild<QListWidget *>(u"lstAttachments"_s);
        QCOMPARE(list->item(1)->text(), u"b c.pdf"_s);
        auto *panel = c.window->findChild<QWidget *>(u"pnlAttachmentContainer"_s);
        QVERIFY(panel->isVisible());

        list->item(0)->setSelected(true);
        c.trigger("popAttachments_Remove");
        QCOMPARE(c.window->Composed().attachments, QStringList{b});
        QVERIFY(panel->isVisible());
        list->item(0)->setSelected(true);
        c.trigger("popAttachments_Remove");
        QVERIFY(c.window->Composed().attachments.isEmpty());
        QVERIFY(!panel->isVisible());
    }

    void theStoredWindowStateIsUsedWhenItFits_data()
    {
        QTest::addColumn<int>("storedHeight");
        QTest::addColumn<bool>("used");
        QTest::newRow("fits") << 500 << true;
        QTest::newRow("below the minimum") << 300 << false;
        QTest::newRow("taller than the screen") << 100000 << false;
    }
    void theStoredWindowStateIsUsedWhenItFits()
    {
        QFETCH(int, storedHeight);
        QFETCH(bool, used);
        cUiFixture fx;
        const int height = used ? storedHeight : TfrmNewMessage(fx.store).height();
        QVERIFY(cOptions::write(Opt::MsgComp_Height, storedHeight));
        QVERIFY(cOptions::write(Opt::MsgComp_SBVisible, false));
        QVERIFY(cOptions::write(Opt::MsgComp_ExpandedToolbar, false));
        TfrmNewMessage window(fx.store);
        QCOMPARE(window.height(), height);
        QCOMPARE(cOptions::read(Opt::MsgComp_Height, 0), storedHeight); // not written before it is shown
        window.show();
        QVERIFY(!window.statusBar()->isVisible());
        QVERIFY(!window.findChild<QToolBar *>(u"DFSToolBar"_s)->isVisible());
        window.findChild<QAction *>(u"pop_mnuView_StatusBar"_s)->trigger();
        QVERIFY(window.statusBar()->isVisible());
        QVERIFY(cOptions::read(Opt::MsgComp_SBVisible));
        window.resize(600, 450);
        QTRY_COMPARE(cOptions::read(Opt::MsgComp_Height, 0), 450);
        QCOMPARE(cOptions::read(Opt::MsgComp_Width, 0), 600);
    }
};

QTEST_MAIN(TestComposer)
#include "test_composer.moc"
