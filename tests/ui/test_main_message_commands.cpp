// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands on messages, driven as a user drives them: delete and its
// selection, copy and move through the folder chooser, dragging onto a folder, read marks,
// a failure in the middle of many, the composers they open and sorting the list.
#include "MainWindowCase.h"

#include "storage/cFolderStore.h"
#include "ui/compose/unitNewMessage.h"
#include "ui/main/MainIcons.h"
#include "ui/main/MainWindowRules.h"
#include "ui/main/cMessageList.h"
#include "ui/main/unitMain.h"

#include <QAction>
#include <QDesktopServices>
#include <QDropEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

class TestMainMessageCommands : public QObject, cMainWindowCase
{
    Q_OBJECT

    TfrmMain &window() { return *fWindow; }
    QStringList subjects()
    {
        return columnTexts(list(), MsgColumn::Subject);
    }
    QStringList selectedSubjects()
    {
        return selectedTexts(list(), MsgColumn::Subject);
    }
    // Messages "A".. in Inbox, listed in that order once sorted by subject.
    QStringList putInbox(int count)
    {
        QStringList paths;
        for (int n = 0; n < count; ++n) {
            const QByteArray subject(1, char('A' + n));
            paths.append(fx->putMessage(u"Inbox"_s, u"mail%1.qrz"_s.arg(n), cUiFixture::message(subject)));
        }
        return paths;
    }
    void sortBySubject()
    {
        emit list()->header()->sectionClicked(0);
    }
    void select(const QList<int> &rows)
    {
        list()->clearSelection();
        list()->SelectRow(rows.first());
        for (int row : rows)
            addToSelection(list(), row);
    }
    void showFolder(const QString &folder)
    {
        folders()->setCurrentItem(folders()->findItems(folder, Qt::MatchExactly).value(0));
    }
    static int filesIn(const QString &folder) { return int(cFolderStore::MessageFiles(folder).size()); }

private slots:
    void init() { QVERIFY(begin()); }
    void cleanup() { end(); }

    void deletingSelectsTheEntryAtThePlaceOfTheFirstDeleted_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("middle") << 3 << QList<int>{1} << QStringList{u"A"_s, u"C"_s} << QStringList{u"C"_s};
        QTest::newRow("last") << 3 << QList<int>{2} << QStringList{u"A"_s, u"B"_s} << QStringList{u"B"_s};
        QTest::newRow("only") << 1 << QList<int>{0} << QStringList{} << QStringList{};
        QTest::newRow("several") << 5 << QList<int>{1, 3, 4} << QStringList{u"A"_s, u"C"_s} << QStringList{u"C"_s};
    }
    void deletingSelectsTheEntryAtThePlaceOfTheFirstDeleted()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, rows);
        QFETCH(QStringList, left);
        QFETCH(QStringList, selected);
        putInbox(count);
        QVERIFY(open());
        sortBySubject();
        select(rows);
        trigger(eMainCommand::tb_Delete);
        QCOMPARE(subjects(), left);
        QCOMPARE(selectedSubjects(), selected);
        QCOMPARE(window().StatusText(2), MessageCountText(int(left.size())));
        QCOMPARE(filesIn(u"Trash"_s), int(rows.size()));
        QCOMPARE(window().Command(eMainCommand::tb_Delete)->isEnabled(), !selected.isEmpty());

        // In the Trash they are gone for good.
        showFolder(u"Trash"_s);
        list()->selectAll();
        trigger(eMainCommand::mnuTools_Delete);
        QCOMPARE(filesIn(u"Trash"_s), 0);
    }

    void copyAndMoveGoToTheFolderChosen()
    {
        QVERIFY(cFolderStore::CreateFolder(u"Projects"_s));
        putInbox(3);
        QVERIFY(open());
        sortBySubject();
        bool okWaitedForAFolder = false;
        const auto choose = [&](const QString &folder) {
            answerModals([&, folder](QWidget *modal) {
                auto *ok = modal->findChild<QPushButton *>(u"btnOK"_s);
                okWaitedForAFolder = !ok->isEnabled();
                auto *tree = modal->findChild<QTreeWidget *>(u"lstFolders"_s);
                tree->setCurrentItem(tree->findItems(folder, Qt::MatchExactly).value(0));
                ok->click();
                return false;
            });
        };
        select({0, 1});
        choose(u"Projects"_s);
        trigger(eMainCommand::mnuFile_CopyTo);
        QVERIFY(okWaitedForAFolder);
        QCOMPARE(filesIn(u"Projects"_s), 2);
        QCOMPARE(subjects().size(), 3);

        select({2});
        choose(u"Unsent"_s);
        trigger(eMainCommand::mnuFile_MoveTo);
        QCOMPARE(subjects(), (QStringList{u"A"_s, u"B"_s}));
        QCOMPARE(filesIn(u"Unsent"_s), 1);
        QCOMPARE(filesIn(u"Inbox"_s), 2);

        // Copied into the folder shown, the copy is listed at once.
        select({0});
        choose(u"Inbox"_s);
        trigger(eMainCommand::mnuFile_CopyTo);
        QCOMPARE(subjects().size(), 3);
    }

    void draggingOntoAFolderMovesEverySelectedMessage()
    {
        const QStringList paths = putInbox(3);
        QVERIFY(open());
        sortBySubject();
        select({0, 2});
        const std::unique_ptr<QMimeData> dragged(list()->model()->mimeData(list()->selectionModel()->selectedIndexes()));
        const QMimeData &data = *dragged;
        QWidget *viewport = folders()->viewport();
        const QPoint onTrash = folders()->visualItemRect(folders()->findItems(u"Trash"_s, Qt::MatchExactly).value(0)).center();
        QDragEnterEvent enter(onTrash, Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(onTrash, Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &drop);
        QCOMPARE(subjects(), QStringList{u"B"_s});
        QCOMPARE(filesIn(u"Trash"_s), 2);
        QVERIFY(QFile::exists(paths.at(1)));

        // Onto the folder shown, or with foreign data, nothing is taken.
        const QPoint onInbox = folders()->visualItemRect(folders()->topLevelItem(0)).center();
        QDragEnterEvent same(onInbox, Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &same);
        QVERIFY(!same.isAccepted());
        QMimeData foreign;
        foreign.setText(u"x"_s);
        QDragEnterEvent other(onTrash, Qt::MoveAction, &foreign, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &other);
        QVERIFY(!other.isAccepted());
    }

    void aFailureMidwayStopsNamingTheMessageAndLosesNothing()
    {
        const QStringList paths = putInbox(4);
        QVERIFY(open());
        sortBySubject();
        select({0, 1, 2, 3});
        QVERIFY(QFile::remove(paths.at(2)));
        QString told;
        answerModals([&](QWidget *modal) {
            told = qobject_cast<QMessageBox *>(modal)->text();
            qobject_cast<QMessageBox *>(modal)->accept();
            return false;
        });
        trigger(eMainCommand::tb_Delete);
        QVERIFY2(told.contains(paths.at(2)), qPrintable(told));
        QCOMPARE(filesIn(u"Trash"_s), 2);
        QVERIFY(QFile::exists(paths.at(3)));
        QCOMPARE(subjects(), (QStringList{u"C"_s, u"D"_s}));
    }

    void readMarksChangeEverySelectedMessage()
    {
        const QStringList paths = putInbox(3);
        QVERIFY(open());
        sortBySubject();
        select({0, 2});
        trigger(eMainCommand::popMsgs_MarkUnread);
        QCOMPARE(icon(list(), 0), MsgImage::Unread);
        QCOMPARE(icon(list(), 1), MsgImage::Plain);
        QVERIFY(!cUiFixture::isReadOnDisk(paths.at(0)));
        QVERIFY(!cUiFixture::isReadOnDisk(paths.at(2)));
        QVERIFY(cUiFixture::isReadOnDisk(paths.at(1)));
        trigger(eMainCommand::popMsgs_MarkRead);
        QCOMPARE(icon(list(), 2), MsgImage::Plain);
        QVERIFY(cUiFixture::isReadOnDisk(paths.at(2)));
    }

    void undoTakesBackTheNewestStepAndSaysWhenItCannot()
    {
        const QStringList paths = putInbox(3);
        QVERIFY(open());
        sortBySubject();
        QAction *undo = window().Command(eMainCommand::mnuEdit_Undo);
        QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
        QVERIFY(!undo->isEnabled());
        select({0});
        trigger(eMainCommand::popMsgs_MarkUnread);
        select({1});
        trigger(eMainCommand::tb_Delete);
        QCOMPARE(subjects(), (QStringList{u"A"_s, u"C"_s}));
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(subjects(), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
        QCOMPARE(filesIn(u"Trash"_s), 0);
        undo->trigger();
        QVERIFY(cUiFixture::isReadOnDisk(paths.at(0)));
        QVERIFY(!undo->isEnabled());

        showFolder(u"Trash"_s);
        fx->putMessage(u"Trash"_s, u"mail9.qrz"_s, cUiFixture::message("Z"));
        window().LoadMessageList(u"Trash"_s);
        select({0});
        trigger(eMainCommand::mnuTools_Delete);
        QString told;
        answerModals([&told](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                told = box->text();
                box->accept();
            }
            return false;
        });
        undo->trigger();
        QVERIFY(told.contains(u"for good"_s));
        QCOMPARE(filesIn(u"Trash"_s), 0);
    }

    void repliesAndForwardsOpenAFilledComposer()
    {
        const QStringList paths = putInbox(1);
        QVERIFY(open());
        const auto composer = [&] {
            QList<TfrmNewMessage *> open = window().findChildren<TfrmNewMessage *>();
            return open.isEmpty() ? nullptr : open.last();
        };
        const auto field = [&](const char *name) { return composer()->findChild<QLineEdit *>(QLatin1String(name)); };
        trigger(eMainCommand::mnuTools_Reply);
        QVERIFY(composer());
        QCOMPARE(field("edtTo")->text(), u"ann@example.org"_s);
        QCOMPARE(field("edtSubject")->text(), u"Re: A"_s);
        QCOMPARE(composer()->focusWidget()->objectName(), u"rtfMain"_s);
        QVERIFY(composer()->BodyLines().contains(u">see you."_s));

        trigger(eMainCommand::mnuTools_ForwardAsAttachment);
        QCOMPARE(field("edtTo")->text(), QString());
        // The message as mail in the attachments folder, never the message file itself.
        const QStringList attached = composer()->Composed().attachments;
        QCOMPARE(attached.size(), 1);
        QCOMPARE(QFileInfo(attached.first()).fileName(), u"A.eml"_s);
        QFile eml(attached.first());
        QVERIFY(eml.open(QIODevice::ReadOnly));
        const QByteArray forwarded = eml.readAll();
        QVERIFY(forwarded.contains("see you."));
        QVERIFY(!forwarded.contains("X_MailBoundary"));
        QVERIFY(composer()->BodyLines().isEmpty());
        QCOMPARE(composer()->focusWidget()->objectName(), u"edtTo"_s);

        window().NewMessageTo(u"bo@example.org"_s);
        QCOMPARE(field("edtTo")->text(), u"bo@example.org"_s);
        QCOMPARE(composer()->focusWidget()->objectName(), u"rtfMain"_s);

        window().RequestNewMessageWindow(
            {.to = u"cy@example.org"_s, .subject = u"Hi"_s, .cc = u"dee@example.org"_s, .body = u"one\ntwo"_s});
        QTRY_COMPARE(field("edtTo")->text(), u"cy@example.org"_s);
        QCOMPARE(field("edtSubject")->text(), u"Hi"_s);
        QCOMPARE(field("edtCC")->text(), u"dee@example.org"_s);
        QCOMPARE(composer()->BodyLines(), (QStringList{u"one"_s, u"two"_s}));
    }

    // Some desktops run a script or a desktop entry they are asked to open.
    void openingAnAttachmentThatCanRunAsksFirst()
    {
        const auto attach = [this](const QString &name, const QByteArray &content) {
            QFile file(fx->root() + u'/' + name);
            const bool written = file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
            return written ? file.fileName() : QString();
        };
        const QString script = attach(u"invoice.sh"_s, "#!/bin/sh\nrm -rf \"$HOME\"\n");
        const QString notes = attach(u"notes.txt"_s, "hello\n");
        cMailMessage m = cUiFixture::message("Files");
        m.attachments = {script, notes};
        fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, m);
        QVERIFY(open());
        list()->SelectRow(0);
        auto *attachments = window().findChild<QListWidget *>(u"lstAttachments"_s);
        QCOMPARE(attachments->count(), 2);
        cUrlCatcher desktop;
        QDesktopServices::setUrlHandler(u"file"_s, &desktop, "open");
        QString question;
        const auto openAnswering = [&](int row, QMessageBox::StandardButton answer) {
            attachments->setCurrentRow(row);
            answerModals([&question, answer](QWidget *modal) {
                auto *box = qobject_cast<QMessageBox *>(modal);
                question = box->text();
                box->button(answer)->click();
                return false;
            });
            trigger(eMainCommand::popAttachment_Open);
        };

        openAnswering(0, QMessageBox::No);
        QVERIFY(question.contains(u"\"invoice.sh\""_s) && question.contains(u"program"_s));
        QCOMPARE(desktop.opened, QList<QUrl>{});
        openAnswering(0, QMessageBox::Yes);
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(script)});
        attachments->setCurrentRow(1);
        trigger(eMainCommand::popAttachment_Open); // nothing to ask
        QTest::keyClick(attachments, Qt::Key_Return);
        QDesktopServices::unsetUrlHandler(u"file"_s);
        QCOMPARE(desktop.opened.value(1), QUrl::fromLocalFile(notes));
        QCOMPARE(desktop.opened.value(2), QUrl::fromLocalFile(notes));
    }

    void theKeyboardSortsTheListAndOpensItsPopups()
    {
        putInbox(3);
        QVERIFY(open());
        trigger(eMainCommand::mnuView_SortSubject);
        QCOMPARE(subjects(), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
        trigger(eMainCommand::mnuView_SortSubject);
        QCOMPARE(subjects(), (QStringList{u"C"_s, u"B"_s, u"A"_s}));

        select({1});
        fWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fWindow.get()));
        const QList<std::tuple<QWidget *, ePopup, Qt::Key, Qt::KeyboardModifiers>> cases{
            {list(), ePopup::popMsgs, Qt::Key_F10, Qt::ShiftModifier},
            {list(), ePopup::popMsgs, Qt::Key_Menu, Qt::NoModifier},
            {folders(), ePopup::popFolders, Qt::Key_Menu, Qt::NoModifier}};
        for (const auto &[widget, popup, key, modifiers] : cases) {
            widget->setFocus();
            QTest::keyClick(widget, key, modifiers);
            QTRY_VERIFY(window().Popup(popup)->isVisible());
            window().Popup(popup)->hide();
        }
    }

    void sortingFollowsTheHeaderAndIsKeptAcrossARestart()
    {
        struct cRow { QByteArray subject, from, date; bool attachment; };
        const QList<cRow> rows{{"b", "Cy", "09.12.2026 08:00:00", false},
                               {"C", "ann", "08.12.2026 23:00:00", true},
                               {"a", "Bo", "10.01.2025 09:00:00", false}};
        for (int n = 0; n < rows.size(); ++n) {
            cMailMessage m = cUiFixture::message(rows.at(n).subject);
            m.From = rows.at(n).from;
            m.DateTime = rows.at(n).date;
            if (rows.at(n).attachment)
                m.attachments = {u"/att/x.pdf"_s};
            fx->putMessage(u"Inbox"_s, u"mail%1.qrz"_s.arg(n), m);
        }
        QVERIFY(cOptions::write(Opt::MailFolder, fx->root()));
        QVERIFY(open());
        const auto column = [&](int at) {
            return columnTexts(list(), at == 3 ? 0 : at);
        };
        const QList<std::pair<int, QStringList>> ascending{{0, {u"a"_s, u"b"_s, u"C"_s}},
                                                            {1, {u"ann"_s, u"Bo"_s, u"Cy"_s}},
                                                            {3, {u"a"_s, u"C"_s, u"b"_s}}};
        for (const auto &[at, expected] : ascending) {
            emit list()->header()->sectionClicked(at);
            QCOMPARE(column(at), expected);
            emit list()->header()->sectionClicked(at);
            QStringList reversed(expected.rbegin(), expected.rend());
            QCOMPARE(column(at), reversed);
        }
        emit list()->header()->sectionClicked(2);
        QCOMPARE(text(list(), 0, 0), u"b"_s); // no mark before the mark
        emit list()->header()->sectionClicked(3);

        // Newest first, also for mail arriving now.
        fWindow.reset();
        QVERIFY(open());
        QCOMPARE(column(3), (QStringList{u"a"_s, u"C"_s, u"b"_s}));
        cMailMessage fresh = cUiFixture::message("new");
        fresh.DateTime = "08.12.2026 23:30:00";
        QVERIFY(window().InsertArrivedMessage({u"Inbox"_s, u"new.qrz"_s}, fresh));
        QCOMPARE(column(3), (QStringList{u"a"_s, u"C"_s, u"new"_s, u"b"_s}));
    }
};

QTEST_MAIN(TestMainMessageCommands)
#include "test_main_message_commands.moc"
