// SPDX-License-Identifier: GPL-3.0-or-later
// The message rules window over a private rules file: a rule shown in the editor reads back as
// it was, a rule the store refuses keeps the editor open with the store's reason and the text
// as typed, the actions offer the mail store's folders, and the list saves the order and the check boxes, but never rewrites a rule it
// could not read.
#include "rules/RuleWords.h"
#include "rules/cRuleStore.h"
#include "tests/support/cMemoryMailStore.h"
#include "tests/support/cScratchSettings.h"
#include "ui/rules/unitRuleEditor.h"
#include "ui/rules/unitRules.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

cRuleCondition condition(eRuleField field, eRuleMatch match, const QString &text, const QString &header = {},
                         bool caseSensitive = false)
{
    return cRuleCondition{.field = field, .match = match, .header = header, .text = text, .caseSensitive = caseSensitive};
}

cRule rule(const QString &name, QList<cRuleCondition> conditions, QList<cRuleAction> actions)
{
    return cRule{.name = name, .conditions = std::move(conditions), .actions = std::move(actions)};
}

// Every field of a rule, so that a comparison names what differs.
QString spelled(const cRule &r)
{
    QStringList words{r.name, QString::number(r.enabled), QString::number(r.matchAll), QString::number(r.stop)};
    for (const cRuleCondition &c : r.conditions)
        words << FieldWord(c.field) << MatchWord(c.match) << c.header << c.text << QString::number(c.caseSensitive);
    for (const cRuleAction &a : r.actions)
        words << ActionWord(a.kind) << a.folder << QString::number(a.priority);
    return words.join(u'|');
}

void click(QWidget *window, const char *button)
{
    auto *found = window->findChild<QPushButton *>(QLatin1String(button));
    QVERIFY2(found, button);
    QTest::mouseClick(found, Qt::LeftButton);
}

QStringList storedNamesAndStates()
{
    QStringList names;
    for (const cRule &r : cRuleStore::Rules())
        names << r.name + (r.enabled ? u"+"_s : u"-"_s);
    return names;
}

} // namespace

class TestRulesWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<cScratchSettings> fSettings;
    cMemoryMailStore fStore;

private slots:
    void init()
    {
        fSettings = std::make_unique<cScratchSettings>();
        QVERIFY(fSettings->initStorage());
    }
    void cleanup() { fSettings.reset(); }

    void everyConditionAndActionReadsBackAsShown_data()
    {
        QTest::addColumn<int>("row");
        const QList<cRule> rules = roundTrips();
        for (int i = 0; i < rules.size(); ++i)
            QTest::addRow("%s", qPrintable(rules.at(i).name)) << i;
    }
    void everyConditionAndActionReadsBackAsShown()
    {
        QFETCH(int, row);
        const cRule original = roundTrips().at(row);
        const auto noSave = [](const cRule &) { return cResult::Ok(); };
        TfrmRuleEditor editor(original, {u"Inbox"_s, u"Lists"_s}, noSave);
        QCOMPARE(spelled(editor.Rule()), spelled(original));
        TfrmRuleEditor again(editor.Rule(), {u"Inbox"_s}, noSave);
        QCOMPARE(spelled(again.Rule()), spelled(original));
    }

    void aRefusedRuleKeepsTheEditorOpenWithTheStoresReason()
    {
        fStore.AddFolder(u"Lists"_s);
        TfrmRules window(fStore);
        window.show();
        click(&window, "btnNew");
        TfrmRuleEditor *editor = window.Editor();
        QVERIFY(editor && editor->isVisible());
        editor->findChild<QLineEdit *>(u"edtName"_s)->setText(u"Lists"_s);
        click(editor, "btnAddCondition");
        click(editor, "btnAddAction");
        auto *folders = editor->findChild<QComboBox *>(u"cboFolder"_s);
        QVERIFY(folders);
        QVERIFY(folders->findText(u"Lists"_s) >= 0);
        auto *match = editor->findChild<QComboBox *>(u"cboMatch"_s);
        match->setCurrentIndex(match->findData(int(eRuleMatch::Regex)));
        auto *text = editor->findChild<QLineEdit *>(u"edtText"_s);
        text->setText(u"[list"_s);

        click(editor, "btnOK");
        const QString reason = cRuleStore::Problem(editor->Rule());
        QVERIFY(!reason.isEmpty());
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->findChild<QLabel *>(u"lblProblem"_s)->text(), reason);
        QCOMPARE(text->text(), u"[list"_s);
        QCOMPARE(editor->findChild<QLineEdit *>(u"edtName"_s)->text(), u"Lists"_s);
        QVERIFY(cRuleStore::Rules().isEmpty());

        text->setText(u"\\[list\\]"_s);
        click(editor, "btnOK");
        QTRY_VERIFY(!window.Editor());
        QCOMPARE(storedNamesAndStates(), QStringList{u"Lists+"_s});
        QCOMPARE(cRuleStore::Rules().first().conditions.first().text, u"\\[list\\]"_s);
        QCOMPARE(window.findChild<QListWidget *>(u"lstRules"_s)->item(0)->text(), u"Lists"_s);
    }

    void theListSavesOrderAndOnOff()
    {
        const QList<cRuleAction> markRead{cRuleAction(eRuleAction::MarkRead)};
        QVERIFY(cRuleStore::Save({rule(u"A"_s, {}, markRead), rule(u"B"_s, {}, markRead), rule(u"C"_s, {}, markRead)}));
        TfrmRules window(fStore);
        auto *list = window.findChild<QListWidget *>(u"lstRules"_s);
        QCOMPARE(list->count(), 3);

        list->setCurrentRow(2);
        click(&window, "btnUp");
        QCOMPARE(storedNamesAndStates(), (QStringList{u"A+"_s, u"C+"_s, u"B+"_s}));
        QCOMPARE(list->currentItem()->text(), u"C"_s);
        list->setCurrentRow(0);
        click(&window, "btnUp"); // already first
        click(&window, "btnDown");
        QCOMPARE(storedNamesAndStates(), (QStringList{u"C+"_s, u"A+"_s, u"B+"_s}));

        list->item(2)->setCheckState(Qt::Unchecked);
        QCOMPARE(storedNamesAndStates(), (QStringList{u"C+"_s, u"A+"_s, u"B-"_s}));
        QCOMPARE(list->item(2)->checkState(), Qt::Unchecked);
    }

    void aRuleThisVersionCannotReadIsNeverRewritten()
    {
        const QByteArray stored = "[Future]\r\nEnabled=1\r\nCondition1=x-future\r\nCondition1Text=\"a\"\r\n"
                                  "Action1=delete\r\n[B]\r\nEnabled=1\r\nAction1=delete\r\n";
        QVERIFY(QDir().mkpath(QFileInfo(cRuleStore::FilePath()).path()));
        QFile file(cRuleStore::FilePath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(stored) == stored.size());
        file.close();

        TfrmRules window(fStore);
        auto *list = window.findChild<QListWidget *>(u"lstRules"_s);
        QCOMPARE(list->count(), 2);
        const auto *notes = window.findChild<QLabel *>(u"lblNotes"_s);
        QVERIFY(notes->isVisibleTo(&window) && notes->text().contains(u"\"Future\""_s));
        for (const char *button : {"btnNew", "btnEdit", "btnDelete", "btnUp", "btnDown"})
            QVERIFY2(!window.findChild<QPushButton *>(QLatin1String(button))->isEnabled(), button);
        list->item(1)->setCheckState(Qt::Unchecked);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), stored);
    }

private:
    static QList<cRule> roundTrips()
    {
        using F = eRuleField;
        using M = eRuleMatch;
        using A = eRuleAction;
        const QList<cRuleAction> markRead{cRuleAction(A::MarkRead)};
        cRule anyOf = rule(u"from, any of, stop"_s,
                           {condition(F::From, M::Contains, u"ann@"_s), condition(F::To, M::NotContains, u"bob"_s)},
                           {cRuleAction(A::Delete)});
        anyOf.matchAll = false;
        anyOf.stop = true;
        cRule off = rule(u"switched off"_s, {condition(F::Body, M::Contains, u"offer"_s)}, markRead);
        off.enabled = false;
        return {
            anyOf,
            off,
            rule(u"cc is, case"_s, {condition(F::CC, M::Is, u"Team@x.org"_s, {}, true)}, markRead),
            rule(u"to or cc begins"_s, {condition(F::ToOrCC, M::BeginsWith, u"list-"_s)}, markRead),
            rule(u"subject regex"_s, {condition(F::Subject, M::Regex, u"^\\[list\\]"_s)}, markRead),
            rule(u"header"_s, {condition(F::Header, M::Contains, u"yes"_s, u"X-Spam"_s)}, markRead),
            rule(u"sizes"_s, {condition(F::Size, M::LargerThan, u"100"_s), condition(F::Size, M::SmallerThan, u"5"_s)},
                 markRead),
            rule(u"attachments and account"_s,
                 {condition(F::HasAttachments, M::Contains, {}), condition(F::Account, M::Is, u"Work"_s)}, markRead),
            rule(u"move, copy to a folder not listed"_s, {},
                 {cRuleAction(A::MoveTo, u"Lists"_s), cRuleAction(A::CopyTo, u"Archive/2026"_s)}),
            rule(u"priorities"_s, {}, {cRuleAction(A::SetPriority, {}, 0), cRuleAction(A::SetPriority, {}, 4)}),
        };
    }
};

QTEST_MAIN(TestRulesWindow)
#include "test_rules_window.moc"
