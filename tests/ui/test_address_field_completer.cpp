// SPDX-License-Identifier: GPL-3.0-or-later
// Completing the address being typed in a field of several: which entry is replaced, and that
// Tab and Enter both take the highlighted suggestion.
#include "ui/wndlist/cAddressFieldCompleter.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAddressFieldCompleter : public QObject
{
    Q_OBJECT

private slots:
    void chosenAddressReplacesOnlyTheEntryAtTheCursor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("expected");

        QTest::newRow("first entry") << u"bo"_s << 2 << u"Bob <bob@y>, "_s;
        QTest::newRow("after a comma") << u"ann@x, bo"_s << 9 << u"ann@x, Bob <bob@y>, "_s;
        QTest::newRow("after a semicolon") << u"ann@x;bo"_s << 8 << u"ann@x;Bob <bob@y>, "_s;
        QTest::newRow("comma inside quotes") << u"\"Smith, Ann\" <a@x>, bo"_s << 23 << u"\"Smith, Ann\" <a@x>, Bob <bob@y>, "_s;
        QTest::newRow("entry in the middle") << u"ann@x, bo, carol@z"_s << 9 << u"ann@x, Bob <bob@y>, carol@z"_s;
    }

    void chosenAddressReplacesOnlyTheEntryAtTheCursor()
    {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(QString, expected);
        qsizetype at = cursor;
        QCOMPARE(cAddressFieldCompleter::WithChosen(text, at, u"Bob <bob@y>"_s), expected);
        QCOMPARE(expected.left(at).endsWith(u"Bob <bob@y>, "_s), true);
    }

    void tabAndEnterTakeTheHighlightedSuggestion_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("tab") << int(Qt::Key_Tab);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }

    void tabAndEnterTakeTheHighlightedSuggestion()
    {
        QFETCH(int, key);
        QLineEdit field;
        QStringList asked;
        new cAddressFieldCompleter(&field, [&asked](const QString &typed) {
            asked.append(typed);
            return typed.startsWith(u"bo"_s) ? QStringList{u"Bob <bob@y>"_s, u"Bobby <bobby@y>"_s} : QStringList();
        });
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        auto *completer = field.findChild<cAddressFieldCompleter *>()->Completer();

        QTest::keyClicks(&field, u"ann@x, zz"_s);
        QVERIFY(!completer->popup()->isVisible());
        field.setText(u"ann@x, "_s);
        QTest::keyClicks(&field, u"bo"_s);
        QTRY_VERIFY(completer->popup()->isVisible());
        QTest::keyClick(completer->popup(), Qt::Key(key));

        QCOMPARE(field.text(), u"ann@x, Bob <bob@y>, "_s);
        QCOMPARE(asked.last(), u"bo"_s);
        QVERIFY(!completer->popup()->isVisible());
    }
};

QTEST_MAIN(TestAddressFieldCompleter)
#include "test_address_field_completer.moc"
