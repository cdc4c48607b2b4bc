// SPDX-License-Identifier: GPL-3.0-or-later
// Makes a picture of the main window over a small made-up mailbox, and optionally one of the
// compose window, for the README and for checking the look after a change. Beside the first
// picture it writes ravelin-main-window-menu.png: the window with the message list's pop-up
// menu open, and for every .eml file RAVELIN_SCREENSHOT_HTML names (separated by ":") the
// window showing that message in the preview (html_screenshots.h). With a composer picture
// come the address book and every dialog, beside it. Runs with any platform plugin, offscreen
// included:
//   [RAVELIN_SCREENSHOT_HTML=a.eml:b.eml] ravelin_screenshot <file.png> [composer.png]
// Settings and mail live in a temporary folder; nothing of the user's is read or touched.
#include "address_book_screenshot.h"
#include "composer_screenshot.h"
#include "dialog_screenshots.h"
#include "html_screenshots.h"
#include "storage/MailStorage.h"
#include "storage/cMailMessage.h"
#include "storage/cOptions.h"
#include "storage/eFolderKind.h"
#include "ui/main/cMessageList.h"
#include "ui/main/MainIcons.h"
#include "ui/main/unitMain.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

struct cSample
{
    eFolderKind folder;
    cMailMessage message;
};

// Designated initialisers: every field left out keeps its default.
QList<cSample> samples(const QString &attachments)
{
    return {
        {eFolderKind::Inbox,
         {.body = {"<h2 style=\"color:#2f4f7f\">Quarterly report</h2>",
                   "<p>Hello,</p><p>attached is the <b>final draft</b> of the quarterly report. The figures for "
                   "November are now in, and the summary on page 2 has been rewritten as we agreed on Tuesday.</p>",
                   "<ul><li>Revenue up 4.2% on the quarter</li><li>Two new distribution partners</li>"
                   "<li>Support backlog down to 11 tickets</li></ul>",
                   "<p>Comments by Friday, please; the board meets on Monday.</p>",
                   "<p>Best regards,<br>Margaret</p>", "<p><a href=\"https://example.org/reports\">All reports</a></p>"},
          .Subject = "Quarterly report, final draft", .From = "Margaret Holm", .DateTime = "08.12.2026 09:05:07",
          .Html = true, .attachments = {attachments + u"/Q4-report-draft.pdf"_s, attachments + u"/figures.ods"_s}}},
        {eFolderKind::Inbox, {.body = {"Thursday works for me. The usual place at half past twelve?", "", "Tom"},
                   .Subject = "Re: Lunch on Thursday?", .From = "Tom Berg", .DateTime = "08.12.2026 08:41:52"}},
        {eFolderKind::Inbox, {.body = {"Your order 20-1187 is on its way."}, .Subject = "Your order has shipped",
                   .From = "Bookshop Orders", .DateTime = "07.12.2026 17:20:03", .Read = true}},
        {eFolderKind::Inbox, {.body = {"Here they are!"}, .Subject = "Photos from the weekend", .From = "Anna Lind",
                   .DateTime = "07.12.2026 12:02:44", .Read = true, .attachments = {attachments + u"/lake.jpg"_s}}},
        {eFolderKind::Inbox, {.body = {"Notes attached."}, .Subject = "Meeting notes 5 December", .From = "Erik Sand",
                   .DateTime = "05.12.2026 16:48:10", .Read = true, .attachments = {attachments + u"/notes.txt"_s}}},
        {eFolderKind::Inbox, {.body = {"<p>Welcome!</p>"}, .Subject = "Welcome to the mailing list", .From = "List Robot",
                   .DateTime = "03.12.2026 10:00:00", .Html = true, .Read = true}},
        {eFolderKind::SentItems, {.body = {"Thanks, looks good."}, .Subject = "Re: Quarterly report",
                        .To = "Margaret Holm <margaret@example.org>", .DateTime = "04.12.2026 11:15:30", .Read = true}},
    };
}

void fillMailbox(const QString &root)
{
    int number = 0;
    for (const cSample &sample : samples(AttachmentsFolder()))
        (void)sample.message.WriteFile(root + u"/Mail/"_s + FolderName(sample.folder) + u"/mail"_s
                                       + QString::number(++number) + u".qrz"_s);
    for (const char *folder : {"Projects", "Family", "Receipts"})
        QDir().mkdir(root + u"/Mail/"_s + QLatin1String(folder));
}

// The newest message first, as a user would sort the list.
void showNewestFirst(TfrmMain &window)
{
    auto *list = window.findChild<cMessageList *>(u"lstMsgs"_s);
    list->SetSort({MsgColumn::DateTime, true});
    list->SelectRow(0);
}

// The window with the message list's pop-up open over the selected entry. A pop-up is a
// window of its own, so it is drawn onto the picture of the main window where it shows.
QPixmap pictureWithMessageMenu(TfrmMain &window)
{
    auto *list = window.findChild<cMessageList *>(u"lstMsgs"_s);
    const QPoint at = list->visualRect(list->currentIndex()).center() + QPoint(40, 0);
    emit list->customContextMenuRequested(at);
    QApplication::processEvents();
    QMenu *menu = window.Popup(ePopup::popMsgs);
    QPixmap picture = window.grab();
    QPainter painter(&picture);
    painter.drawPixmap(window.mapFromGlobal(menu->pos()), menu->grab());
    painter.end();
    menu->hide();
    return picture;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (const int points = qEnvironmentVariableIntValue("RAVELIN_SCREENSHOT_FONT_PT"); points > 0) {
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
    }
    QTextStream err(stderr);
    if (argc != 2 && argc != 3) {
        err << "usage: ravelin_screenshot <file.png> [composer.png]\n";
        return 2;
    }
    QTemporaryDir scratch;
    qputenv("RAVELIN_CONFIG_DIR", QFile::encodeName(scratch.filePath(u"config"_s)));
    const QString root = scratch.filePath(u"mail"_s);
    (void)cOptions::write(Opt::MailFolder, root);
    (void)cOptions::write(Opt::MailDisplayFontSize, 10);
    (void)cOptions::write(Opt::MainWnd_Width, 1100);
    (void)cOptions::write(Opt::MainWnd_Height, 700);
    if (!InitMailStorage()) {
        err << "Cannot make the sample mail folder under " << root << "\n";
        return 1;
    }
    fillMailbox(root);
    QApplication::setApplicationName(u"Ravelin 2"_s);
    QApplication::setWindowIcon(ProgramIcon());

    TfrmMain window;
    window.WireOwnCommands();
    if (!window.FormCreate({[] { return true; }, {}, [] { return true; }})) {
        err << "Cannot show the main window\n";
        return 1;
    }
    showNewestFirst(window);
    window.SetStatusText(0, u"2 new message(s)"_s);
    QApplication::processEvents();
    const QString target = QString::fromLocal8Bit(argv[1]);
    if (!window.grab().save(target)) {
        err << "Cannot write the picture " << target << "\n";
        return 1;
    }
    const QString withMenu = QFileInfo(target).dir().filePath(u"ravelin-main-window-menu.png"_s);
    if (!pictureWithMessageMenu(window).save(withMenu)) {
        err << "Cannot write the picture " << withMenu << "\n";
        return 1;
    }
    QTextStream out(stdout);
    if (const QStringList html = qEnvironmentVariable("RAVELIN_SCREENSHOT_HTML").split(u':', Qt::SkipEmptyParts);
        !html.isEmpty() && !SaveHtmlPictures(window, html, QFileInfo(target).path(), err, out))
        return 1;
    if (argc == 3) {
        const QString composer = QString::fromLocal8Bit(argv[2]);
        const QString pictures = QFileInfo(composer).path();
        if (!SaveComposerPicture(scratch.path(), composer, err) || !SaveAddressBookPicture(pictures, err)
            || !SaveDialogPictures(pictures, root + u"/Mail/Inbox/mail1.qrz"_s, out))
            return 1;
    }
    return 0;
}
