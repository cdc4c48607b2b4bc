// SPDX-License-Identifier: GPL-3.0-or-later
// The address book windows and the contacts pane driven as a user drives them: the count in
// the status bar, delete with its question, mail to several contacts, renaming in place with
// the deferred refill, the properties' "Display as", the add dialog and the recipient picker.
#include "UiFixture.h"

#include "storage/SettingsPaths.h"
#include "app/WindowSteps.h"
#include "storage/cContactStore.h"
#include "ui/compose/unitNewMessage.h"
#include "ui/contacts/ContactsPane.h"
#include "ui/contacts/DuplicateContactQuestion.h"
#include "ui/contacts/unitAddContact.h"
#include "ui/contacts/unitAddReceipiantsFromAddressBook.h"
#include "ui/contacts/unitAddressBook.h"
#include "ui/contacts/unitContactProperties.h"
#include "ui/contacts/unitContactsSupport.h"
#include "ui/main/unitMain.h"
#include "ui/wndlist/cWindowSteps.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

class TestAddressBook : public QObject
{
    Q_OBJECT

    std::unique_ptr<cUiFixture> fx;
    std::unique_ptr<TfrmMain> fMain;
    QStringList fMailedTo;

    static void addContacts(const QList<std::pair<QString, QString>> &contacts)
    {
        for (const auto &[name, email] : contacts)
            QVERIFY(cContactStore::WriteNewContact(name, email));
    }
    static QByteArray contactsFile()
    {
        QFile file(ContactsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    template <typename T> static T *part(const QWidget *window, const char *name)
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    static TfrmAddressBook *openBook()
    {
        TfrmAddressBook::ShowInstance();
        return TfrmAddressBook::Instance();
    }
    static QTreeWidget *bookList() { return part<QTreeWidget>(TfrmAddressBook::Instance(), "lstItems"); }
    QListWidget *pane() const { return fMain->findChild<cContactsPane *>(); }
    static QStringList paneNames(const QListWidget *list)
    {
        QStringList names;
        for (int row = 0; row < list->count(); ++row)
            names.append(list->item(row)->text());
        return names;
    }
    // Answers the next message box with the button, noting its text.
    static void answerBox(QMessageBox::StandardButton button, QString *text = nullptr)
    {
        answerModals([button, text](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                return true;
            if (text)
                *text = box->text();
            box->button(button)->click();
            return false;
        });
    }

private slots:
    void init()
    {
        fx = std::make_unique<cUiFixture>();
        fMain = std::make_unique<TfrmMain>();
        fMain->SetContactsPane(new cContactsPane);
        fMailedTo.clear();
        InstallWindowSteps(fMain->Store(), fMain.get());
        cWindowSteps steps = WindowSteps();
        steps.NewMessageTo = [this](const QString &to) { fMailedTo.append(to); };
        SetWindowSteps(steps);
    }
    void cleanup()
    {
        delete TfrmAddressBook::Instance();
        SetWindowSteps({});
        fMain.reset();
        fx.reset();
    }

    void statusCountsPeople_data()
    {
        QTest::addColumn<int>("contacts");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << u"0 people in your address book"_s;
        QTest::newRow("one") << 1 << u"1 person in your address book"_s;
        QTest::newRow("two") << 2 << u"2 people in your address book"_s;
    }
    void statusCountsPeople()
    {
        QFETCH(int, contacts);
        QFETCH(QString, text);
        for (int n = 0; n < contacts; ++n)
            addContacts({{u"Contact %1"_s.arg(n), u"c%1@example.org"_s.arg(n)}});
        TfrmAddressBook *book = openBook();
        QCOMPARE(book->StatusText(), text);
        QCOMPARE(bookList()->topLevelItemCount(), contacts);
        QCOMPARE(pane()->count(), contacts);
        openBook(); // a second opening finds the same window
        QCOMPARE(TfrmAddressBook::Instance(), book);
    }

    // Whoever writes the store (an import, the properties, another window), both lists follow.
    void theListsFollowTheStore()
    {
        TfrmAddressBook *book = openBook();
        QVERIFY(cContactStore::WriteNewContact(u"Cy"_s, u"cy@example.org"_s));
        QCOMPARE(paneNames(pane()), QStringList{u"Cy"_s});
        QCOMPARE(book->StatusText(), u"1 person in your address book"_s);
        QVERIFY(cContactStore::DeleteContact(u"Cy"_s));
        QCOMPARE(pane()->count(), 0);
        QCOMPARE(bookList()->topLevelItemCount(), 0);
    }

    void deleteAsksAndNoLeavesTheFileAlone()
    {
        addContacts({{u"Ann"_s, u"ann@example.org"_s}, {u"Bob"_s, u"bob@example.org"_s}});
        TfrmAddressBook *book = openBook();
        QAction *menuDelete = part<QAction>(book, "mnuContact_Delete");
        QVERIFY(!menuDelete->isEnabled());
        bookList()->topLevelItem(0)->setSelected(true);
        QVERIFY(menuDelete->isEnabled());
        QVERIFY(part<QAction>(book, "tb_Delete")->isEnabled());

        const QByteArray before = contactsFile();
        QString question;
        answerBox(QMessageBox::No, &question);
        menuDelete->trigger();
        QCOMPARE(question, u"Are you sure you want to permenantly delete this contact?"_s);
        QCOMPARE(contactsFile(), before);

        answerBox(QMessageBox::Yes);
        menuDelete->trigger();
        QCOMPARE(cContactStore::ContactNames(), QStringList{u"Bob"_s});
        QCOMPARE(book->StatusText(), u"1 person in your address book"_s);
        QCOMPARE(paneNames(pane()), QStringList{u"Bob"_s});
    }

    void mailToSelectedContactsJoinsTheirAddresses_data()
    {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("to");
        QTest::newRow("second without e-mail") << QStringList{u"A"_s, u"B"_s, u"C"_s} << u"a@x, , c@x"_s;
        QTest::newRow("first without e-mail") << QStringList{u"B"_s, u"C"_s} << u"c@x"_s;
        QTest::newRow("one") << QStringList{u"C"_s} << u"c@x"_s;
    }
    void mailToSelectedContactsJoinsTheirAddresses()
    {
        QFETCH(QStringList, selected);
        QFETCH(QString, to);
        addContacts({{u"C"_s, u"c@x"_s}, {u"A"_s, u"a@x"_s}, {u"B"_s, QString()}});
        ReloadContacts();
        QCOMPARE(paneNames(pane()), (QStringList{u"A"_s, u"B"_s, u"C"_s})); // sorted by caption
        for (int row = 0; row < pane()->count(); ++row)
            pane()->item(row)->setSelected(selected.contains(pane()->item(row)->text()));
        fMain->findChild<cContactsPane *>()->SendMailToSelected();
        QCOMPARE(fMailedTo, QStringList{to});
    }

    void aContactWithoutEmailCannotBeMailed()
    {
        addContacts({{u"Nomail"_s, QString()}});
        TfrmAddressBook *book = openBook();
        bookList()->topLevelItem(0)->setSelected(true);
        QString text;
        answerBox(QMessageBox::Ok, &text);
        book->tb_SendMailClick();
        QCOMPARE(text, u"There is no E-Mail address defined for this contact. Please enter one before using this "
                       "function."_s);
        QVERIFY(fMailedTo.isEmpty());
    }

    void renamingInPlaceRefillsTheListsAfterTheEdit()
    {
        addContacts({{u"Ann"_s, u"ann@example.org"_s}, {u"Bob"_s, u"bob@example.org"_s}});
        openBook();
        QTreeWidgetItem *ann = bookList()->topLevelItem(0);
        ann->setText(0, u"Annie"_s); // what the in-place editor does when it ends
        QCOMPARE(cContactStore::ContactNames(), (QStringList{u"Annie"_s, u"Bob"_s}));
        QCOMPARE(paneNames(pane()), (QStringList{u"Ann"_s, u"Bob"_s})); // not inside the edit
        QTRY_COMPARE(paneNames(pane()), (QStringList{u"Annie"_s, u"Bob"_s}));
        QCOMPARE(bookList()->topLevelItem(0)->text(0), u"Annie"_s);

        // A name that another contact has is refused, and the lists show the names as stored.
        answerBox(QMessageBox::Ok);
        pane()->item(1)->setText(u"annie"_s);
        QTRY_COMPARE(paneNames(pane()), (QStringList{u"Annie"_s, u"Bob"_s}));
        QCOMPARE(cContactStore::ContactNames(), (QStringList{u"Annie"_s, u"Bob"_s}));
    }

    void displayAsChangedInCaseOnlyKeepsTheSectionName()
    {
        addContacts({{u"Ann Lee"_s, u"ann@example.org"_s}, {u"Bob"_s, u"bob@example.org"_s}});
        auto *properties = new TfrmContactProperties;
        properties->Load(u"Ann Lee"_s);
        QPointer<TfrmContactProperties> alive(properties);
        part<QLineEdit>(properties, "edtDisplayAs")->setText(u"ANN LEE"_s);
        part<QLineEdit>(properties, "edtCompany")->setText(u"ACME"_s);
        properties->btnOKClick();
        QVERIFY(contactsFile().startsWith("[Ann Lee]\r\n"));
        QCOMPARE(cContactStore::ReadValue(u"Ann Lee"_s, eContactKey::Company), u"ACME"_s);
        QTRY_VERIFY(!alive);

        properties = new TfrmContactProperties;
        properties->Load(u"Ann Lee"_s);
        alive = properties;
        part<QLineEdit>(properties, "edtDisplayAs")->setText(u"Ann Berg"_s);
        properties->btnOKClick();
        QCOMPARE(cContactStore::ContactNames(), (QStringList{u"Ann Berg"_s, u"Bob"_s}));
        QCOMPARE(cContactStore::ReadValue(u"Ann Berg"_s, eContactKey::Company), u"ACME"_s);
        QTRY_VERIFY(!alive);
    }

    void propertiesButtonsFollowTheirFields()
    {
        addContacts({{u"Ann"_s, QString()}});
        QPointer<TfrmNewMessage> composer;
        {
            TfrmContactProperties properties;
            properties.Load(u"Ann"_s);
            auto *sendMain = part<QWidget>(&properties, "tbSendMail_Main");
            QVERIFY(!sendMain->isEnabled());
            part<QLineEdit>(&properties, "edtEMail")->setText(u"ann@example.org"_s);
            QVERIFY(sendMain->isEnabled());
            QVERIFY(!part<QWidget>(&properties, "tbOpenHomePage")->isEnabled());

            properties.tbSendMail_MainClick();
            for (QWidget *window : QApplication::topLevelWidgets())
                if (auto *found = qobject_cast<TfrmNewMessage *>(window))
                    composer = found;
            QVERIFY(composer);
            QCOMPARE(composer->Composed().to, u"ann@example.org"_s);
        }
        QVERIFY2(composer, "the message dies with the properties window");
        delete composer;
    }

    void addingANameInOtherCaseUpdatesThatContact()
    {
        addContacts({{u"Ann Lee"_s, u"ann@old.example"_s}});
        TfrmAddContact dialog(nullptr, QString(), QString());
        auto *ok = part<QPushButton>(&dialog, "btnOK");
        QVERIFY(!ok->isEnabled());
        part<QLineEdit>(&dialog, "edtName")->setText(u"   "_s);
        QVERIFY(!ok->isEnabled());
        part<QLineEdit>(&dialog, "edtName")->setText(u"ann LEE"_s);
        part<QLineEdit>(&dialog, "edtEMail")->setText(u"ann@new.example"_s);
        QVERIFY(ok->isEnabled());
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(cContactStore::ContactNames(), QStringList{u"Ann Lee"_s});
        QCOMPARE(cContactStore::ReadValue(u"Ann Lee"_s, eContactKey::EMail), u"ann@new.example"_s);
    }

    void pickerEnablesAddWithASelectionAndOkWithAChoice()
    {
        TfrmAddReceipiantsFromAddressBook picker(nullptr, {{u"Ann"_s, u"ann@x"_s}, {u"Bob"_s, u"bob@x"_s}});
        auto *from = part<QTreeWidget>(&picker, "lstFrom");
        auto *to = part<QTreeWidget>(&picker, "lstTo");
        auto *add = part<QPushButton>(&picker, "btnAdd");
        auto *ok = part<QPushButton>(&picker, "btnOK");
        QVERIFY(!add->isEnabled());
        QVERIFY(!ok->isEnabled());

        from->selectAll();
        QVERIFY(add->isEnabled());
        add->click();
        QCOMPARE(from->topLevelItemCount(), 0);
        QVERIFY(!add->isEnabled());
        QVERIFY(ok->isEnabled());
        QCOMPARE(picker.ChosenAddresses(), (QStringList{u"ann@x"_s, u"bob@x"_s}));

        to->selectAll();
        to->setFocus();
        QTest::keyClick(to, Qt::Key_Delete);
        QCOMPARE(to->topLevelItemCount(), 0);
        QCOMPARE(from->topLevelItemCount(), 2);
        QVERIFY(!ok->isEnabled());
    }

    void composerLabelsAppendPickedAddresses()
    {
        SetWindowSteps({});
        {
            TfrmNewMessage plain(fx->store);
            QVERIFY(!part<QLabel>(&plain, "lblTo")->isEnabled());
        }
        cWindowSteps picking;
        picking.PickRecipients = [](QWidget *) { return QStringList{u"b@x"_s, u"c@x"_s}; };
        SetWindowSteps(picking);
        TfrmNewMessage composer(fx->store);
        composer.SetHeaderFields(u"a@x"_s, QString(), QString());
        composer.show();
        QTest::mouseClick(part<QLabel>(&composer, "lblTo"), Qt::LeftButton);
        QTest::mouseClick(part<QLabel>(&composer, "lblCC"), Qt::LeftButton);
        QCOMPARE(composer.Composed().to, u"a@x, b@x, c@x"_s);
        QCOMPARE(composer.Composed().cc, u"b@x, c@x"_s);
    }

    void sortingByColumnTogglesAndIsKept()
    {
        addContacts({{u"Bob"_s, u"a@x"_s}, {u"Ann"_s, u"c@x"_s}, {u"Cid"_s, u"b@x"_s}});
        openBook();
        const auto names = [] {
            QStringList names;
            for (int row = 0; row < bookList()->topLevelItemCount(); ++row)
                names.append(bookList()->topLevelItem(row)->text(0));
            return names;
        };
        QCOMPARE(names(), (QStringList{u"Bob"_s, u"Ann"_s, u"Cid"_s})); // file order
        emit bookList()->header()->sectionClicked(1);
        QCOMPARE(names(), (QStringList{u"Bob"_s, u"Cid"_s, u"Ann"_s}));
        emit bookList()->header()->sectionClicked(1);
        QCOMPARE(names(), (QStringList{u"Ann"_s, u"Cid"_s, u"Bob"_s}));
        TfrmAddressBook::Instance()->close();
        QTRY_VERIFY(!TfrmAddressBook::Instance());
        openBook();
        QCOMPARE(names(), (QStringList{u"Ann"_s, u"Cid"_s, u"Bob"_s}));
    }

    // The import's question names both cards; Escape skips, so no key replaces a contact.
    void aTakenNameOnImportAsksWhatToDo()
    {
        cContactCard existing{.name = u"Ann Lee"_s, .values = {}};
        existing[eContactKey::EMail] = u"ann@old.example"_s;
        cContactCard incoming{.name = u"ann lee"_s, .values = {}};
        incoming[eContactKey::EMail] = u"ann@new.example"_s;
        const QList<std::pair<QString, eDuplicateChoice>> answers{{u"&Replace"_s, eDuplicateChoice::Replace},
                                                                  {u"&Keep both"_s, eDuplicateChoice::KeepBoth},
                                                                  {u"&Merge addresses"_s, eDuplicateChoice::Merge},
                                                                  {u"&Skip"_s, eDuplicateChoice::Skip},
                                                                  {QString(), eDuplicateChoice::Skip}};
        for (const auto &[button, choice] : answers) {
            QString shown;
            answerModals([&shown, button](QWidget *modal) {
                auto *box = qobject_cast<QMessageBox *>(modal);
                if (!box)
                    return true;
                shown = box->text();
                for (QAbstractButton *offered : box->buttons())
                    if (offered->text() == button)
                        offered->click();
                if (button.isEmpty())
                    QTest::keyClick(box, Qt::Key_Escape);
                return false;
            });
            QCOMPARE(AskDuplicateContact(nullptr, incoming, existing), choice);
            QVERIFY(shown.contains(u"ann@old.example"_s) && shown.contains(u"ann@new.example"_s));
        }
    }
};

QTEST_MAIN(TestAddressBook)
#include "test_address_book.moc"
