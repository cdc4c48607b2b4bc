// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's command table: every command has exactly one action, shown where the table
// puts it, and a command works only once wired, by its typed name. The images behind the
// commands and lists come from the icon theme when it has them, else from the bundled drawings.
#include "ui/icons/ThemedIcon.h"
#include "ui/main/MainCommands.h"
#include "ui/main/MainIcons.h"
#include "ui/main/unitMain.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {

// True when the icon draws something at the size the toolbar uses.
bool drawsSomething(const QIcon &icon)
{
    const QImage image = icon.pixmap(24).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

QString placeOf(const QAction *action)
{
    for (const QObject *shown : action->associatedObjects()) {
        if (qobject_cast<const QToolBar *>(shown))
            return u"toolbar"_s;
        if (const auto *menu = qobject_cast<const QMenu *>(shown))
            return menu->objectName().startsWith(u"pop"_s) ? u"pop-up"_s : menu->title();
    }
    return {};
}

} // namespace

class TestMainCommands : public QObject
{
    Q_OBJECT

private slots:
    void everyCommandHasOneActionShownInItsPlace()
    {
        const QMap<eCommandPlace, QString> places{{eCommandPlace::Toolbar, u"toolbar"_s},
                                                  {eCommandPlace::FolderMenu, u"&Folder"_s},
                                                  {eCommandPlace::FileMenu, u"&File"_s},
                                                  {eCommandPlace::EditMenu, u"&Edit"_s},
                                                  {eCommandPlace::ViewMenu, u"&View"_s},
                                                  {eCommandPlace::ToolsMenu, u"&Tools"_s},
                                                  {eCommandPlace::HelpMenu, u"&Help"_s},
                                                  {eCommandPlace::Popup, u"pop-up"_s}};
        TfrmMain window;
        QSet<int> seen;
        for (const cMainCommand &info : MainCommands()) {
            const QString name = QLatin1String(info.name);
            QVERIFY2(!seen.contains(int(info.id)), qPrintable(name));
            seen.insert(int(info.id));
            QAction *action = window.Command(info.id);
            QVERIFY2(action, qPrintable(name));
            QCOMPARE(window.findChildren<QAction *>(name), QList<QAction *>{action});
            QCOMPARE(action->text(), QLatin1String(info.text));
            QCOMPARE(placeOf(action), places.value(info.place));
            if (info.icon)
                QVERIFY2(drawsSomething(action->icon()), info.icon);
        }
        QCOMPARE(seen.size(), int(eMainCommand::Count));
        // Every pop-up-only command shows in a pop-up.
        for (ePopup popup : kPopups)
            for (eMainCommand id : PopupCommands(popup))
                if (id != eMainCommand::Count)
                    QVERIFY(window.Popup(popup)->actions().contains(window.Command(id)));
    }

    void aCommandWorksOnlyOnceWiredAndOnlyWhenItsRuleAllows()
    {
        TfrmMain window;
        for (const cMainCommand &info : MainCommands())
            if (info.rule != eCommandRule::WindowList)
                QVERIFY2(!window.Command(info.id)->isEnabled(), info.name);

        int received = 0;
        window.WireCommand(eMainCommand::TB_Receive, [&received] { ++received; });
        window.WireCommand(eMainCommand::tb_Reply, [] {});
        QVERIFY(window.Command(eMainCommand::TB_Receive)->isEnabled());
        QVERIFY(!window.Command(eMainCommand::mnuTools_CheckMail)->isEnabled());
        // No message is selected in an empty window.
        QVERIFY(!window.Command(eMainCommand::tb_Reply)->isEnabled());
        window.Command(eMainCommand::TB_Receive)->trigger();
        QCOMPARE(received, 1);
    }

    void shortcutsAndTogglesComeFromTheTable()
    {
        TfrmMain window;
        QCOMPARE(window.Command(eMainCommand::mnuTools_CheckMail)->shortcut(), QKeySequence(u"Ctrl+M"_s));
        QCOMPARE(window.Command(eMainCommand::mnuTools_Delete)->shortcut(), QKeySequence(QKeySequence::Delete));
        QVERIFY(window.Command(eMainCommand::mnuView_StatusBar)->isCheckable());
        QVERIFY(!window.Command(eMainCommand::mnuTools_Options)->isCheckable());
        QCOMPARE(window.Command(eMainCommand::tb_Windows)->menu<QMenu *>(), window.findChild<QMenu *>(u"popWins"_s));
    }

    void everyListImageDraws()
    {
        for (eFolderKind kind : kFixedFolderKinds)
            QVERIFY2(drawsSomething(FolderIcon(kind)), qPrintable(FolderName(kind)));
        QVERIFY(drawsSomething(FolderIcon(eFolderKind::User)));
        for (int image : {MsgImage::Plain, MsgImage::Status, MsgImage::Html, MsgImage::Unread})
            QVERIFY(drawsSomething(MessageIcon(image)));
        QVERIFY(MessageIcon(2).isNull());
        for (int image : {TrayImage::Normal, TrayImage::NewMail})
            QVERIFY(drawsSomething(TrayIcon(image)));
        QVERIFY(drawsSomething(AttachmentIcon()));
        QVERIFY(drawsSomething(ProgramIcon()));
    }

    void theDesktopThemeComesBeforeTheBundledDrawing()
    {
        QTemporaryDir themes;
        const QString theme = themes.filePath(u"test-theme"_s);
        QVERIFY(QDir().mkpath(theme + u"/32x32/actions"_s));
        QFile index(theme + u"/index.theme"_s);
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=test-theme\nDirectories=32x32/actions\n\n"
                    "[32x32/actions]\nSize=32\nType=Fixed\n");
        index.close();
        QImage red(32, 32, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(theme + u"/32x32/actions/mail-receive.png"_s));

        const QStringList searchPaths = QIcon::themeSearchPaths();
        const QString previous = QIcon::themeName();
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName(u"test-theme"_s);
        const QImage themed = ThemedIcon(u"mail-receive"_s).pixmap(32).toImage();
        const QImage bundled = ThemedIcon(u"mail-reply-sender"_s).pixmap(32).toImage();
        QIcon::setThemeName(previous);
        QIcon::setThemeSearchPaths(searchPaths);

        QCOMPARE(themed.pixelColor(16, 16), QColor(Qt::red));
        QCOMPARE(bundled, BundledIcon(u"mail-reply-sender"_s).pixmap(32).toImage());
    }
};

QTEST_MAIN(TestMainCommands)
#include "test_main_commands.moc"
