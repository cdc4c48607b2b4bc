// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"
#include "transfer/cAccountStore.h"
#include "ui/transfer/AccountPorts.h"
#include "ui/transfer/AccountWidgets.h"
#include "ui/transfer/unitAccountInfo.h"
#include "ui/transfer/unitAccounts.h"
#include "ui/transfer/unitCreateNewAccount.h"
#include "ui/transfer/unitSendMail_SelectAccount.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QMutex>
#include <QSemaphore>
#include <QThreadPool>
#include <QSpinBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include "tests/support/cScratchSettings.h"
#include "tests/transfer/MemoryKeyring.h"
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

#include "tests/transfer/AccountDialogHelpers.h"

using namespace Qt::StringLiterals;

namespace {

QStringList column(QTreeWidget *list, int index)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts.append(list->topLevelItem(i)->text(index));
    return texts;
}

bool hasDefaultMark(QTreeWidgetItem *item)
{
    return item->icon(0).pixmap(16).toImage() == AccountIcon(true).pixmap(16).toImage();
}

QList<bool> defaultMarks(QTreeWidget *list)
{
    QList<bool> marks;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        marks.append(hasDefaultMark(list->topLevelItem(i)));
    return marks;
}

} // namespace

class TestAccountDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void accountsWindowMarksTheDefaultAndKeepsItThroughARename();
    void renameRefusesANameTakenByAnotherAccountOrThatBreaksTheFile();
    void deleteAsksAndKeepsTheDefaultAccountName();
    void newButtonRunsTheWizardAndShowsTheNewAccount();
    void wizardCancelWritesNothing();
    void wizardDoneWritesItsNineKeysAndTheDefaultOnlyWhenTicked();
    void wizardAsksBeforeReplacingAnExistingAccount();
    void wizardShowsSamplesThatAreNeverSaved();
    void dialogsRefuseANamelessAccountOrAPortThatIsNoPortNamingTheField();
    void tabMovesThroughTheFieldsInTheirOrder();
    void propertiesRoundTripEveryKeyAndLeaveUnreadablePasswordBytesAlone();
    void propertiesWindowsOutliveTheAccountsWindow();
    void failedWritesWarnNamingTheFileAndKeepTheWindowOpen();
    void chooserEnablesOkExactlyWithASelectionAndReturnsListOrder();

private:
    cScratchSettings *fDir = nullptr;
};

void TestAccountDialogs::init()
{
    fDir = new cScratchSettings;
    QVERIFY(fDir->isValid());
}

void TestAccountDialogs::cleanup()
{
    delete fDir;
    fDir = nullptr;
}

void TestAccountDialogs::accountsWindowMarksTheDefaultAndKeepsItThroughARename()
{
    QVERIFY(cAccountStore::WriteAccount(account(u"Work"_s, u"me@work.example"_s)));
    QVERIFY(cAccountStore::WriteAccount(account(u"Home"_s, u"me@home.example"_s, u"reply@home.example"_s)));
    QVERIFY(cAccountStore::SetDefaultAccountName(u"WORK"_s));

    TfrmAccounts window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *list = child<QTreeWidget>(&window, "lstAccounts");
    QCOMPARE(column(list, 0), (QStringList{u"Work"_s, u"Home"_s}));
    QCOMPARE(column(list, 1), (QStringList{u"me@work.example"_s, u"reply@home.example"_s}));
    QCOMPARE(defaultMarks(list), (QList<bool>{true, false}));

    list->setCurrentItem(list->topLevelItem(0));
    child<QAction>(&window, "popAccount_Rename")->trigger();
    auto *editor = list->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->setText(u"Office"_s);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(cAccountStore::AccountNames(), (QStringList{u"Office"_s, u"Home"_s}));
    QVERIFY2(window.isVisible(), "Enter ended the edit and must not close the window");
    QVERIFY(!child<QPushButton>(&window, "btnOK")->isDefault());

    QCOMPARE(column(list, 0), (QStringList{u"Office"_s, u"Home"_s}));
    QCOMPARE(cAccountStore::GetDefaultAccountName(), u"Office"_s);
    QCOMPARE(defaultMarks(list), (QList<bool>{true, false}));
    QCOMPARE(list->currentItem()->text(0), u"Office"_s);

    child<QAction>(&window, "popAccount_SetAsDefault")->trigger();
    list->setCurrentItem(list->topLevelItem(1));
    child<QAction>(&window, "popAccount_SetAsDefault")->trigger();
    QCOMPARE(cAccountStore::GetDefaultAccountName(), u"Home"_s);
    QCOMPARE(defaultMarks(list), (QList<bool>{false, true}));
}

void TestAccountDialogs::renameRefusesANameTakenByAnotherAccountOrThatBreaksTheFile()
{
    QVERIFY(cAccountStore::WriteAccount(account(u"Work"_s, u"me@work.example"_s)));
    QVERIFY(cAccountStore::WriteAccount(account(u"Home"_s, u"me@home.example"_s)));
    const QByteArray before = [] {
        QFile file(AccountsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    TfrmAccounts window;
    window.show();
    auto *list = child<QTreeWidget>(&window, "lstAccounts");
    cBoxAnswerer boxes(QMessageBox::Ok);
    const QStringList refused = {u"home"_s, u"Bad]name"_s, u"Two\nlines"_s};
    for (const QString &typed : refused) {
        list->setCurrentItem(list->topLevelItem(0));
        child<QAction>(&window, "popAccount_Rename")->trigger();
        auto *editor = list->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->setText(typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(boxes.texts.size(), refused.indexOf(typed) + 1);
        QCOMPARE(column(list, 0), (QStringList{u"Work"_s, u"Home"_s}));
    }
    QVERIFY(boxes.texts[0].contains(u"already exists"_s));
    QFile file(AccountsFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestAccountDialogs::deleteAsksAndKeepsTheDefaultAccountName()
{
    QVERIFY(cAccountStore::WriteAccount(account(u"Work"_s, u"me@work.example"_s)));
    QVERIFY(cAccountStore::WriteAccount(account(u"Home"_s, u"me@home.example"_s)));
    QVERIFY(cAccountStore::SetDefaultAccountName(u"Work"_s));

    TfrmAccounts window;
    window.show();
    auto *list = child<QTreeWidget>(&window, "lstAccounts");
    list->setCurrentItem(list->topLevelItem(0));
    {
        cBoxAnswerer no(QMessageBox::No);
        click(&window, "btnDelete");
        QCOMPARE(no.captions, QStringList{u"Verification"_s});
        QCOMPARE(no.texts, QStringList{u"Are you certain you wish to permenently delete this account?"_s});
        QCOMPARE(no.icons, QList<QMessageBox::Icon>{QMessageBox::Warning});
        QCOMPARE(no.buttons.first(), QMessageBox::Yes | QMessageBox::No);
    }
    QCOMPARE(cAccountStore::AccountNames().size(), 2);

    cBoxAnswerer yes(QMessageBox::Yes);
    click(&window, "btnDelete");
    QCOMPARE(column(list, 0), QStringList{u"Home"_s});
    QCOMPARE(cAccountStore::AccountNames(), QStringList{u"Home"_s});
    QCOMPARE(cAccountStore::GetDefaultAccountName(), u"Work"_s);

    window.ReloadAccounts();
    QCOMPARE(defaultMarks(list), QList<bool>{false});
}

void TestAccountDialogs::newButtonRunsTheWizardAndShowsTheNewAccount()
{
    TfrmAccounts window;
    window.show();
    cModalWatcher<TfrmCreateNewAccount> wizard([](TfrmCreateNewAccount *w) {
        setField(w, "edtAccountName", u"Fresh"_s);
        QMetaObject::invokeMethod(child<QPushButton>(w, "btnOK"), &QAbstractButton::click, Qt::QueuedConnection);
    });
    click(&window, "btnNew");
    auto *list = child<QTreeWidget>(&window, "lstAccounts");
    QCOMPARE(column(list, 0), QStringList{u"Fresh"_s});
    QCOMPARE(defaultMarks(list), QList<bool>{true});
}

void TestAccountDialogs::wizardCancelWritesNothing()
{
    TfrmCreateNewAccount wizard;
    setField(&wizard, "edtAccountName", u"Never"_s);
    setField(&wizard, "edtPassword", u"secret"_s);
    wizard.show();
    QTest::keyClick(&wizard, Qt::Key_Escape);
    QCOMPARE(wizard.result(), int(QDialog::Rejected));
    QVERIFY(!QFile::exists(AccountsFilePath()));
    QVERIFY(cAccountStore::GetDefaultAccountName().isEmpty());

    cModalWatcher<TfrmCreateNewAccount> cancel([](TfrmCreateNewAccount *w) {
        QMetaObject::invokeMethod(child<QPushButton>(w, "btnCancel"), &QAbstractButton::click, Qt::QueuedConnection);
    });
    QVERIFY(!RunNewAccountWizard());
    QVERIFY(!cAccountStore::AccountsExist());
}

void TestAccountDialogs::wizardDoneWritesItsNineKeysAndTheDefaultOnlyWhenTicked()
{
    TfrmCreateNewAccount first;
    QCOMPARE(child<QLineEdit>(&first, "edtAccountName")->text(), u"My mail account"_s);
    QVERIFY(child<QCheckBox>(&first, "chkMakeDefault")->isChecked());
    QCOMPARE(child<QLineEdit>(&first, "edtPassword")->echoMode(), QLineEdit::Password);
    QCOMPARE(child<QLineEdit>(&first, "edtPassword")->maxLength(), 255);
    setField(&first, "edtName", u"Ann Lee"_s);
    setField(&first, "edtEMail", u"ann@example.org"_s);
    setField(&first, "edtUserID", u"ann"_s);
    setField(&first, "edtPassword", u"pa=ss wörd"_s);
    setField(&first, "edtPOP3", u"pop3.example.org"_s);
    setField(&first, "edtSMTP", u"smtp.example.org"_s);
    setField(&first, "edtPort_SMTP", u"2525"_s);
    first.show();
    QTest::keyClick(&first, Qt::Key_Return);
    QCOMPARE(first.result(), int(QDialog::Accepted));

    const QString section = u"My mail account"_s;
    const QList<QByteArray> keys = keysOf(section);
    QCOMPARE(keys.mid(0, 9), (QList<QByteArray>{"name", "email", "ReplyAddress", "UserID", "Password", "pop3Server",
                                                "smtpServer", "POP3Port", "SMTPPort"}));
    QVERIFY2(keys.contains("AllowPasswordInClear") && keys.contains("SMTPSecurity"), keys.join(' '));
    const cAccount written = cAccountStore::ReadAccount(section);
    QCOMPARE(written.name, u"Ann Lee"_s);
    QCOMPARE(written.replyAddress, u"ann@example.org"_s);
    QCOMPARE(written.password, u"pa=ss wörd"_s.toUtf8());
    QCOMPARE(written.pop3Port, u"110"_s);
    QCOMPARE(written.smtpPort, u"2525"_s);
    QVERIFY2(!written.allowPasswordInClear, "a new account never sends its password unencrypted unasked");
    QCOMPARE(cAccountStore::GetDefaultAccountName(), section);

    TfrmCreateNewAccount second;
    setField(&second, "edtAccountName", u"  Second  "_s);
    child<QCheckBox>(&second, "chkMakeDefault")->setChecked(false);
    click(&second, "btnOK");
    QCOMPARE(cAccountStore::AccountNames(), (QStringList{section, u"Second"_s}));
    QCOMPARE(cAccountStore::GetDefaultAccountName(), section);
}

void TestAccountDialogs::wizardAsksBeforeReplacingAnExistingAccount()
{
    cAccount existing = account(u"My mail account"_s, u"old@example.org"_s);
    existing.organisation = u"Old Org"_s;
    existing.leaveMailOnServer = true;
    QVERIFY(cAccountStore::WriteAccount(existing));

    TfrmCreateNewAccount wizard;
    setField(&wizard, "edtEMail", u"new@example.org"_s);
    wizard.show();
    {
        cBoxAnswerer no(QMessageBox::No);
        click(&wizard, "btnOK");
        QCOMPARE(no.texts.size(), 1);
    }
    QVERIFY(wizard.isVisible());
    QCOMPARE(cAccountStore::ReadAccount(existing.section).email, u"old@example.org"_s);

    cBoxAnswerer yes(QMessageBox::Yes);
    click(&wizard, "btnOK");
    QCOMPARE(wizard.result(), int(QDialog::Accepted));
    const cAccount replaced = cAccountStore::ReadAccount(existing.section);
    QCOMPARE(replaced.email, u"new@example.org"_s);
    QCOMPARE(replaced.organisation, u"Old Org"_s);
    QVERIFY(replaced.leaveMailOnServer);
}

void TestAccountDialogs::wizardShowsSamplesThatAreNeverSaved()
{
    TfrmCreateNewAccount wizard;
    const QList<std::pair<const char *, QString>> samples = {
        {"edtName", u"Your Name"_s}, {"edtEMail", u"you@example.com"_s}, {"edtUserID", u"your_user_id"_s},
        {"edtPOP3", u"pop3."_s},     {"edtSMTP", u"smtp."_s}};
    for (const auto &[name, sample] : samples) {
        QCOMPARE(child<QLineEdit>(&wizard, name)->placeholderText(), sample);
        QVERIFY2(child<QLineEdit>(&wizard, name)->text().isEmpty(), name);
    }
    click(&wizard, "btnOK");
    QCOMPARE(wizard.result(), int(QDialog::Accepted));
    const cAccount written = cAccountStore::ReadAccount(u"My mail account"_s);
    QCOMPARE((QStringList{written.name, written.email, written.userId, written.pop3Server, written.smtpServer}),
             QStringList(5));
}

void TestAccountDialogs::dialogsRefuseANamelessAccountOrAPortThatIsNoPortNamingTheField()
{
    struct cCase
    {
        const char *field;
        QString typed;
        QString named; // what the warning must say
    };
    const QList<cCase> wizardCases = {{"edtAccountName", u"   "_s, u"Account name"_s},
                                      {"edtPort_POP3", u"abc"_s, u"POP3 port"_s},
                                      {"edtPort_SMTP", u"0"_s, u"SMTP port"_s},
                                      {"edtPort_SMTP", u"70000"_s, u"SMTP port"_s}};
    for (const cCase &c : wizardCases) {
        TfrmCreateNewAccount wizard;
        wizard.show();
        setField(&wizard, c.field, c.typed);
        cBoxAnswerer boxes(QMessageBox::Ok);
        click(&wizard, "btnOK");
        QTRY_COMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].contains(c.named), qPrintable(boxes.texts[0]));
        QVERIFY(wizard.isVisible());
        QCOMPARE(wizard.focusWidget(), child<QLineEdit>(&wizard, c.field));
        QVERIFY(!cAccountStore::AccountsExist());
        QVERIFY(cAccountStore::GetDefaultAccountName().isEmpty());
    }

    cAccount stored = account(u"Work"_s, u"me@work.example"_s);
    stored.pop3Port = u"995"_s;
    QVERIFY(cAccountStore::WriteAccount(stored));
    auto *props = new TfrmAccountProps;
    props->LoadAccount(u"Work"_s);
    props->show();
    setField(props, "edtName", u"Changed"_s);
    setField(props, "edtPOP3Port", u"99999"_s);
    cBoxAnswerer boxes(QMessageBox::Ok);
    click(props, "btnOK");
    QTRY_COMPARE(boxes.texts.size(), 1);
    QVERIFY2(boxes.texts[0].contains(u"POP3 server port"_s), qPrintable(boxes.texts[0]));
    QVERIFY(props->isVisible());
    QCOMPARE(props->findChild<QTabWidget *>()->currentIndex(), 2);
    QCOMPARE(cAccountStore::ReadAccount(u"Work"_s).pop3Port, u"995"_s);
    QCOMPARE(cAccountStore::ReadAccount(u"Work"_s).name, QString());
    delete props;
}

void TestAccountDialogs::tabMovesThroughTheFieldsInTheirOrder()
{
    TfrmCreateNewAccount wizard;
    wizard.show();
    QVERIFY(QTest::qWaitForWindowActive(&wizard));
    QCOMPARE(tabbedFields(4),
             (QStringList{u"edtAccountName"_s, u"edtName"_s, u"edtEMail"_s, u"edtUserID"_s, u"edtPassword"_s}));

    TfrmAccountProps props;
    props.LoadAccount(u"Work"_s);
    props.show();
    QVERIFY(QTest::qWaitForWindowActive(&props));
    props.findChild<QTabWidget *>()->setCurrentIndex(1);
    child<QLineEdit>(&props, "edtPOP3Server")->setFocus();
    QCOMPARE(tabbedFields(3),
             (QStringList{u"edtPOP3Server"_s, u"edtSMTPServer"_s, u"edtUserName"_s, u"edtPassword"_s}));

    props.findChild<QTabWidget *>()->setCurrentIndex(3);
    choose(&props, "cmbSMTPLogin", 2);
    child<QComboBox>(&props, "cmbPOP3Security")->setFocus();
    QCOMPARE(tabbedFields(9),
             (QStringList{u"cmbPOP3Security"_s, u"btnDetectPOP3"_s, u"cmbPOP3Login"_s, u"cmbSMTPSecurity"_s,
                          u"btnDetectSMTP"_s, u"cmbSMTPLogin"_s, u"edtSMTPUserName"_s, u"edtSMTPPassword"_s,
                          u"chkAllowPasswordInClear"_s, u"chkPasswordInKeyring"_s}));
}

void TestAccountDialogs::propertiesRoundTripEveryKeyAndLeaveUnreadablePasswordBytesAlone()
{
    cAccount stored = account(u"Work"_s, u"me@work.example"_s, u"reply@work.example"_s);
    stored.name = u"Ann"_s;
    stored.organisation = u"Org"_s;
    stored.pop3Server = u"pop.example"_s;
    stored.smtpServer = u"smtp.example"_s;
    stored.userId = u"ann"_s;
    stored.password = QByteArray(" \x01\xff\xe9\r\n\"x\0y", 10);
    stored.pop3Port = u"995"_s;
    stored.smtpPort = u"2525"_s;
    stored.leaveMailOnServer = true;
    stored.removeAfterDays = 7;
    QVERIFY(cAccountStore::WriteAccount(stored));
    QFile file(AccountsFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    TfrmAccounts window;
    window.show();
    auto *list = child<QTreeWidget>(&window, "lstAccounts");
    list->setCurrentItem(list->topLevelItem(0));
    click(&window, "btnProps");
    QPointer<TfrmAccountProps> props = window.findChild<TfrmAccountProps *>();
    QVERIFY(props && props->isVisible() && !props->isModal());
    QCOMPARE(child<QLineEdit>(props, "edtSMTPPort")->text(), u"2525"_s);
    QVERIFY(child<QCheckBox>(props, "chkLeaveMailOnServer")->isChecked());
    QVERIFY(child<QCheckBox>(props, "chkRemoveAfterDays")->isChecked());
    QCOMPARE(child<QSpinBox>(props, "edtRemoveAfterDays")->value(), 7);
    QTest::keyClick(props, Qt::Key_Return);
    QTRY_VERIFY(!props);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    file.close();

    click(&window, "btnProps");
    props = window.findChild<TfrmAccountProps *>();
    setField(props, "edtReplyAddress", QString());
    setField(props, "edtPassword", u"new secret"_s);
    child<QCheckBox>(props, "chkRemoveAfterDays")->setChecked(false);
    child<QCheckBox>(props, "chkLeaveMailOnServer")->setChecked(false);
    QVERIFY(!child<QCheckBox>(props, "chkRemoveAfterDays")->isEnabled());
    click(props, "btnOK");
    const cAccount changed = cAccountStore::ReadAccount(u"Work"_s);
    QCOMPARE(changed.removeAfterDays, 0);
    QCOMPARE(changed.password, QByteArray("new secret"));
    QVERIFY(!changed.leaveMailOnServer);
    QCOMPARE(changed.organisation, u"Org"_s);
    QCOMPARE(column(list, 1), QStringList{u"me@work.example"_s});

    click(&window, "btnProps");
    props = window.findChild<TfrmAccountProps *>();
    setField(props, "edtName", u"Not saved"_s);
    click(props, "btnCancel");
    QTRY_VERIFY(!props);
    QCOMPARE(cAccountStore::ReadAccount(u"Work"_s).name, u"Ann"_s);
}

void TestAccountDialogs::propertiesWindowsOutliveTheAccountsWindow()
{
    QVERIFY(cAccountStore::WriteAccount(account(u"Work"_s, u"me@work.example"_s)));
    QWidget mainWindow;
    auto *window = new TfrmAccounts(&mainWindow);
    window->show();
    auto *list = child<QTreeWidget>(window, "lstAccounts");
    list->setCurrentItem(list->topLevelItem(0));
    click(window, "btnProps");
    click(window, "btnProps");
    QList<QPointer<TfrmAccountProps>> props;
    for (auto *p : window->findChildren<TfrmAccountProps *>())
        props.append(p);
    QCOMPARE(props.size(), 2);

    // Renamed while its properties are open: they keep writing to the same account.
    child<QAction>(window, "popAccount_Rename")->trigger();
    auto *editor = list->viewport()->findChild<QLineEdit *>();
    editor->setText(u"Office"_s);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(cAccountStore::AccountNames(), QStringList{u"Office"_s});

    click(window, "btnOK");
    delete window;
    QVERIFY(props[0] && props[1]);
    QCOMPARE(props[0]->parentWidget(), &mainWindow);
    QVERIFY(props[0]->isVisible());
    setField(props[0], "edtName", u"Ann"_s);
    click(props[0], "btnOK");
    QCOMPARE(cAccountStore::AccountNames(), QStringList{u"Office"_s});
    QCOMPARE(cAccountStore::ReadAccount(u"Office"_s).name, u"Ann"_s);
}

void TestAccountDialogs::failedWritesWarnNamingTheFileAndKeepTheWindowOpen()
{
    // A folder where the accounts file should be: no write can succeed, not even as root.
    QVERIFY(QDir().mkpath(AccountsFilePath()));
    const QString fileName = u"Ravelin2 Accounts.ini"_s;
    cBoxAnswerer boxes(QMessageBox::Ok);

    TfrmCreateNewAccount wizard;
    wizard.show();
    click(&wizard, "btnOK");
    QTRY_COMPARE(boxes.texts.size(), 1);
    QVERIFY2(boxes.texts[0].contains(fileName), qPrintable(boxes.texts[0]));
    QVERIFY(wizard.isVisible());
    QVERIFY(cAccountStore::GetDefaultAccountName().isEmpty());

    auto *props = new TfrmAccountProps;
    props->LoadAccount(u"Work"_s);
    props->show();
    QSignalSpy saved(props, &TfrmAccountProps::accountSaved);
    click(props, "btnOK");
    QTRY_COMPARE(boxes.texts.size(), 2);
    QVERIFY(boxes.texts[1].contains(fileName));
    QVERIFY(props->isVisible());
    QCOMPARE(saved.count(), 0);
    delete props;
}

void TestAccountDialogs::chooserEnablesOkExactlyWithASelectionAndReturnsListOrder()
{
    for (const QString &name : {u"A"_s, u"B"_s, u"C"_s})
        QVERIFY(cAccountStore::WriteAccount(account(name, {})));

    TfrmNewMsg_SelectAccount chooser;
    chooser.show();
    auto *list = child<QListWidget>(&chooser, "lstAccounts");
    auto *ok = child<QPushButton>(&chooser, "btnOK");
    QCOMPARE(list->count(), 3);
    QVERIFY(!ok->isEnabled());
    list->item(2)->setSelected(true);
    list->item(0)->setSelected(true);
    QVERIFY(ok->isEnabled());
    QCOMPARE(chooser.SelectedAccounts(), (QStringList{u"A"_s, u"C"_s}));
    list->clearSelection();
    QVERIFY(!ok->isEnabled());

    {
        cModalWatcher<TfrmNewMsg_SelectAccount> pick([](TfrmNewMsg_SelectAccount *w) {
            auto *rows = child<QListWidget>(w, "lstAccounts");
            rows->item(2)->setSelected(true);
            rows->item(1)->setSelected(true);
            QMetaObject::invokeMethod(child<QPushButton>(w, "btnOK"), &QAbstractButton::click, Qt::QueuedConnection);
        });
        QCOMPARE(ChooseAccountsForMailCheck(), (QStringList{u"B"_s, u"C"_s}));
    }

    cModalWatcher<TfrmNewMsg_SelectAccount> cancel([](TfrmNewMsg_SelectAccount *w) {
        child<QListWidget>(w, "lstAccounts")->item(0)->setSelected(true);
        QMetaObject::invokeMethod(w, &QDialog::reject, Qt::QueuedConnection);
    });
    QVERIFY(ChooseAccountsForMailCheck().isEmpty());
}

QTEST_MAIN(TestAccountDialogs)
#include "test_account_dialogs.moc"
