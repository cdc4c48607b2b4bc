// SPDX-License-Identifier: GPL-3.0-or-later
// Every dialog and work window on a 1280x800 screen, at the desktop's font and at a larger
// one: it fits the screen, is tall enough for what its layout holds at its width (a window
// shorter than that lets a field cover a wrapped text), and grows with the font.
#include "UiFixture.h"

#include "storage/cContactStore.h"
#include "storage/cSignatureStore.h"
#include "storage/cQrzMailStore.h"
#include "tests/support/cMemoryMailStore.h"
#include "transfer/cAccountStore.h"
#include "ui/compose/unitMessageProps.h"
#include "ui/compose/unitNewMessage.h"
#include "ui/contacts/unitAddContact.h"
#include "ui/contacts/unitAddressBook.h"
#include "ui/contacts/unitContactProperties.h"
#include "ui/main/unitReadMessage.h"
#include "ui/main/unitViewSource.h"
#include "ui/options/unitOptions.h"
#include "ui/rules/unitRuleEditor.h"
#include "ui/rules/unitRules.h"
#include "ui/signatures/unitAddSignature.h"
#include "ui/signatures/unitInsertSignature.h"
#include "ui/signatures/unitSignatures.h"
#include "ui/small/unitAbout.h"
#include "ui/small/unitFirstRunPrompt.h"
#include "ui/transfer/unitAccountInfo.h"
#include "ui/transfer/unitAccounts.h"
#include "ui/transfer/unitCreateNewAccount.h"
#include "ui/transfer/unitGetMail.h"
#include "ui/transfer/unitSendMail.h"

#include <QLayout>
#include <QTimer>

namespace {

const QSize kScreen(1280, 800);
constexpr double kLargerFont = 1.5;

using fMakeWindow = std::function<QWidget *(const QString &messagePath)>;

// A transfer window before its session starts: no server is asked.
QWidget *idle(QWidget *window)
{
    for (QTimer *timer : window->findChildren<QTimer *>())
        timer->stop();
    return window;
}

// For the windows that work on mail: none of them is asked to store any here.
cMailStore &sizingStore()
{
    static cMemoryMailStore store;
    return store;
}

QWidget *messageProps(const QString &path)
{
    cMailMessage record;
    (void)record.ReadFile(path);
    auto *props = new TfrmMessageProps;
    props->Load(record);
    return props;
}

template <class T> QWidget *loaded(T *window, const QString &what)
{
    (void)window->Load(what);
    return window;
}

const std::pair<const char *, fMakeWindow> kWindows[] = {
    {"options", [](const QString &) { return new TfrmOptions({}); }},
    {"accounts", [](const QString &) { return new TfrmAccounts; }},
    {"account properties",
     [](const QString &) {
         auto *props = new TfrmAccountProps;
         props->LoadAccount(u"Work"_s);
         return props;
     }},
    {"new account", [](const QString &) { return new TfrmCreateNewAccount; }},
    {"signatures", [](const QString &) { return new TfrmSignatures; }},
    {"message rules",
     [](const QString &) {
         return new TfrmRules(sizingStore());
     }},
    {"message rule",
     [](const QString &) {
         const cRuleCondition listHeader{.field = eRuleField::Header, .header = u"X-Mailing-List"_s, .text = u"ravelin"_s};
         const cRule rule{.name = u"Lists"_s,
                          .conditions = {listHeader, {}},
                          .actions = {cRuleAction(eRuleAction::MoveTo, u"Lists"_s), cRuleAction(eRuleAction::SetPriority)}};
         return new TfrmRuleEditor(rule, {u"Inbox"_s, u"Lists"_s}, [](const cRule &) { return cResult::Ok(); });
     }},
    {"insert signature", [](const QString &) { return new TfrmInsertSignature; }},
    {"add signature", [](const QString &) { return new TfrmAddSignature; }},
    {"address book",
     [](const QString &) {
         TfrmAddressBook::ShowInstance();
         return TfrmAddressBook::Instance();
     }},
    {"contact properties", [](const QString &) { return loaded(new TfrmContactProperties, u"Ann Lee"_s); }},
    {"add contact", [](const QString &) { return new TfrmAddContact(nullptr, u"Ann Lee"_s, u"ann@example.org"_s); }},
    {"composer", [](const QString &) { return new TfrmNewMessage(sizingStore()); }},
    {"message properties", messageProps},
    {"view source", [](const QString &) { return new TfrmViewSource(u"Hello"_s, QByteArray(200, 'x')); }},
    {"read window",
     [](const QString &path) {
         static const cQrzMailStore files;
         auto *window = new TfrmReadMessage(files);
         window->ShowMessage(cQrzMailStore::RefOfFile(path));
         return window;
     }},
    {"about", [](const QString &) { return new TfrmAbout(nullptr, {}); }},
    {"first run", [](const QString &) { return new TfrmFirstRunPrompt; }},
    {"receiving", [](const QString &) { return idle(new TfrmGetMail({u"Work"_s})); }},
    {"sending",
     [](const QString &) {
         return idle(new TfrmSendMail(sizingStore(), u"Work"_s, {{FolderName(eFolderKind::Unsent), u"m1"_s}}));
     }},
};

} // namespace

class TestWindowSizes : public QObject
{
    Q_OBJECT

    std::unique_ptr<cUiFixture> fx;
    QString fMessagePath;
    QFont fDesktopFont;

    // The window as it opens at the given share of the desktop's font; nothing of it is stored.
    std::unique_ptr<QWidget> open(const fMakeWindow &make, double fontScale)
    {
        QFont font = fDesktopFont;
        font.setPointSizeF(font.pointSizeF() * fontScale);
        QApplication::setFont(font);
        std::unique_ptr<QWidget> window(make(fMessagePath));
        window->show();
        QApplication::processEvents();
        return window;
    }

private slots:
    void initTestCase() { fDesktopFont = QApplication::font(); }

    void init()
    {
        fx = std::make_unique<cUiFixture>();
        QVERIFY(fx->initStorage());
        cAccount work;
        work.section = work.name = u"Work"_s;
        work.email = u"ann@example.org"_s;
        QVERIFY(cAccountStore::WriteNewAccount(work, true));
        QVERIFY(cSignatureStore::SaveNewSignature(u"Private"_s, {"Ann"}));
        QVERIFY(cContactStore::WriteNewContact(u"Ann Lee"_s, u"ann@example.org"_s));
        cMailMessage message = cUiFixture::message("Hello");
        message.attachments = {fx->root() + u"/Attachments/report.pdf"_s};
        fMessagePath = fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, message);
        QVERIFY(!fMessagePath.isEmpty());
    }

    void cleanup()
    {
        QApplication::setFont(fDesktopFont);
        fx.reset();
    }

    void fitsWithRoomForItsTexts_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<double>("fontScale");
        for (int w = 0; w < int(std::size(kWindows)); ++w) {
            QTest::addRow("%s, desktop font", kWindows[w].first) << w << 1.0;
            QTest::addRow("%s, larger font", kWindows[w].first) << w << kLargerFont;
        }
    }
    void fitsWithRoomForItsTexts()
    {
        QFETCH(int, window);
        QFETCH(double, fontScale);
        const std::unique_ptr<QWidget> shown = open(kWindows[window].second, fontScale);
        const QSize frame = shown->frameGeometry().size();
        QVERIFY2(frame.boundedTo(kScreen) == frame, qPrintable(u"%1x%2"_s.arg(frame.width()).arg(frame.height())));
        const QLayout *layout = shown->layout();
        if (layout && layout->hasHeightForWidth())
            QCOMPARE_GE(shown->height(), layout->totalHeightForWidth(shown->width()));
    }

    void growsWithTheFont_data()
    {
        QTest::addColumn<int>("window");
        for (int w = 0; w < int(std::size(kWindows)); ++w)
            QTest::addRow("%s", kWindows[w].first) << w;
    }
    void growsWithTheFont()
    {
        QFETCH(int, window);
        const QSize desktop = open(kWindows[window].second, 1.0)->size();
        const QSize larger = open(kWindows[window].second, kLargerFont)->size();
        QVERIFY2(larger.width() > desktop.width() && larger.height() > desktop.height(),
                 qPrintable(u"%1x%2 at the desktop's font, %3x%4 at a larger one"_s.arg(desktop.width())
                                .arg(desktop.height()).arg(larger.width()).arg(larger.height())));
    }
};

// The screen is the one the windows are checked against.
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + qgetenv("RAVELIN_TEST_DATA") + "/screen-1280x800.json");
    QApplication app(argc, argv);
    TestWindowSizes test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_window_sizes.moc"
