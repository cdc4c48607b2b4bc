// SPDX-License-Identifier: GPL-3.0-or-later
// The program in German when the system asks for it (ctest sets LANG=de_DE.UTF-8 and
// LANGUAGE=de; the German locale need not be installed): the main window's menus, the
// failures the engine hands to the windows, and the buttons whose texts come from Qt itself.
#include "app/Translations.h"
#include "search/cSearchQuery.h"
#include "search/cSqliteDb.h"
#include "storage/cQrzMailStore.h"
#include "transfer/cOAuth2Tokens.h"
#include "tests/support/cScratchSettings.h"
#include "ui/compose/unitNewMessage.h"
#include "ui/main/unitMain.h"

#include <QApplication>
#include <QMenu>
#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

class TestTranslations : public QObject
{
    Q_OBJECT

    cScratchSettings fSettings;
    cQrzMailStore fStore;

private slots:
    void initTestCase()
    {
        QCOMPARE(QLocale::system().uiLanguages().value(0), u"de"_s);
        LoadTranslations(*qApp, QLocale::system());
    }

    void mainWindowMenusAreGerman()
    {
        TfrmMain frmMain;
        QStringList menus;
        for (const QAction *menu : frmMain.menuBar()->actions())
            menus.append(menu->text());
        QCOMPARE(menus, (QStringList{u"&Datei"_s, u"&Bearbeiten"_s, u"&Ansicht"_s, u"E&xtras"_s, u"&Hilfe"_s}));
    }

    // An accelerator shared within one menu only moves between its items instead of choosing one.
    void germanAcceleratorsAreUniqueWithinEachMenu_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("main window") << u"main"_s;
        QTest::newRow("composer") << u"composer"_s;
    }

    void germanAcceleratorsAreUniqueWithinEachMenu()
    {
        QFETCH(QString, window);
        const std::unique_ptr<QWidget> shown =
            window == u"main"_s ? std::unique_ptr<QWidget>(new TfrmMain) : std::unique_ptr<QWidget>(new TfrmNewMessage(fStore));
        QStringList clashes;
        for (const QMenu *menu : shown->findChildren<QMenu *>()) {
            QMap<QChar, QString> taken;
            for (const QAction *item : menu->actions()) {
                const QString text = QString(item->text()).remove(u"&&"_s);
                const qsizetype at = text.indexOf(u'&');
                if (item->isSeparator() || at < 0 || at + 1 >= text.size())
                    continue;
                const QChar key = text.at(at + 1).toLower();
                if (taken.contains(key))
                    clashes.append(menu->title() + u": "_s + taken[key] + u" / "_s + item->text());
                taken.insert(key, item->text());
            }
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    }

    // Whole sentences, so the German word order holds around what is filled in.
    void engineFailuresAreGerman_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("german");
        cSqliteDb db;
        QTest::newRow("search index") << db.Open(fSettings.path() + u"/no such folder/index"_s, eSqliteOpen::Create).text()
                                      << u"Der Suchindex „%1/no such folder/index“ kann nicht geöffnet werden: "_s.arg(fSettings.path());
        QTest::newRow("search") << cSearchQuery::Parse(u"(from:ann"_s).text()
                                << u"Die Suche kann nicht gelesen werden: ein „(“ wird nicht geschlossen."_s;
        QTest::newRow("sign-in") << cOAuth2Tokens::FromTokenAnswer(200, "{}", {}, {}, u"login.example"_s).text()
                                 << u"login.example hat ohne brauchbares Bearer-Token geantwortet."_s;
    }

    void engineFailuresAreGerman()
    {
        QFETCH(QString, text);
        QFETCH(QString, german);
        QVERIFY2(text.startsWith(german), qPrintable(text));
    }

    void qtsOwnButtonsAreGerman()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u"/qtbase_de.qm"_s))
            QSKIP("Qt's own German texts are not installed (Debian qt6-translations-l10n)");
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), u"Abbrechen"_s);
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
