// SPDX-License-Identifier: GPL-3.0-or-later
// The program in German when the system asks for it (ctest sets LANG=de_DE.UTF-8 and
// LANGUAGE=de; the German locale need not be installed): the main window's menus, and the
// buttons whose texts come from Qt itself.
#include "app/Translations.h"
#include "tests/support/cScratchSettings.h"
#include "ui/main/unitMain.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTranslations : public QObject
{
    Q_OBJECT

    cScratchSettings fSettings;

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
