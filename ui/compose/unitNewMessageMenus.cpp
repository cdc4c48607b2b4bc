// The composer's menus, shortcuts and toolbar: what each item is called and which handler it runs.
#include "ui/compose/unitNewMessage.h"

#include "storage/cOptions.h"
#include "ui/compose/ComposerMenuItem.h"
#include "ui/wndlist/cWindowSteps.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

void TfrmNewMessage::buildMenus()
{
    QMenuBar *popMain = menuBar();
    popMain->setObjectName(QStringLiteral("popMain"));
    buildFileMenu(popMain->addMenu(tr("&File")));
    buildEditMenu(popMain->addMenu(tr("&Edit")));
    buildViewMenu(popMain->addMenu(tr("&View")));
    buildInsertMenu(popMain->addMenu(tr("&Insert")));
    buildToolsMenu(popMain->addMenu(tr("&Tools")));
    QMenu *help = popMain->addMenu(tr("&Help"));
    connect(AddMenuItem(help, tr("&About"), "pop_mnuHelp_About"), &QAction::triggered, this,
            &TfrmNewMessage::pop_mnuHelp_AboutClick);

    for (QKeySequence keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &TfrmNewMessage::tbSendNowClick);
}

void TfrmNewMessage::buildFileMenu(QMenu *menu)
{
    fSendNow = AddMenuItem(menu, tr("&Send now"), "mnuFile_SendNow", QKeySequence(Qt::CTRL | Qt::Key_S));
    fSendNow->setIcon(QIcon::fromTheme(QStringLiteral("mail-send")));
    fSendNow->setToolTip(tr("Send now"));
    connect(fSendNow, &QAction::triggered, this, &TfrmNewMessage::tbSendNowClick);
    connect(AddMenuItem(menu, tr("&Send later"), "mnuFile_SendLater"), &QAction::triggered, this,
            &TfrmNewMessage::mnuFile_SendLaterClick);
    connect(AddMenuItem(menu, tr("&Finish later"), "mnuFile_FinishLater"), &QAction::triggered, this,
            &TfrmNewMessage::mnuFile_FinishLaterClick);
    menu->addSeparator();
    connect(AddMenuItem(menu, tr("&Save"), "mnuFile_Save"), &QAction::triggered, this, &TfrmNewMessage::mnuFile_SaveClick);
    connect(AddMenuItem(menu, tr("&Save as..."), "mnuFile_SaveAs"), &QAction::triggered, this,
            &TfrmNewMessage::mnuFile_SaveAsClick);
    menu->addSeparator();
    connect(AddMenuItem(menu, tr("Close"), "pop_mnuFile_Close"), &QAction::triggered, this, &QWidget::close);
}

void TfrmNewMessage::buildEditMenu(QMenu *menu)
{
    struct cEditItem { const char *text; const char *name; QKeySequence keys; void (QPlainTextEdit::*slot)(); };
    const cEditItem items[] = {
        {"&Undo", "tbUndo", QKeySequence::Undo, &QPlainTextEdit::undo},
        {"&Cut", "tbCut", QKeySequence::Cut, &QPlainTextEdit::cut},
        {"&Copy", "tbCopy", QKeySequence::Copy, &QPlainTextEdit::copy},
        {"&Paste", "tbPaste", QKeySequence::Paste, &QPlainTextEdit::paste},
    };
    for (const cEditItem &item : items) {
        QAction *action = AddMenuItem(menu, tr(item.text), item.name, item.keys);
        // The fields handle these keys themselves; the menu item always means the body.
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, rtfMain, item.slot);
    }
    connect(AddMenuItem(menu, tr("&Delete"), "pop_mnuEdit_Delete"), &QAction::triggered, this,
            [this] { rtfMain->textCursor().removeSelectedText(); });
    QAction *selectAll = AddMenuItem(menu, tr("&Select all"), "pop_mnuEdit_SelectAll", QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WidgetShortcut);
    connect(selectAll, &QAction::triggered, rtfMain, &QPlainTextEdit::selectAll);
}

void TfrmNewMessage::buildViewMenu(QMenu *menu)
{
    QAction *toolbar = AddMenuItem(menu, tr("&Toolbar"), "pop_mnuView_Toolbar");
    toolbar->setCheckable(true);
    connect(toolbar, &QAction::toggled, this, [this](bool on) {
        DFSToolBar->setVisible(on);
        (void)cOptions::write(Opt::MsgComp_ExpandedToolbar, on);
    });
    QAction *status = AddMenuItem(menu, tr("&Status bar"), "pop_mnuView_StatusBar");
    status->setCheckable(true);
    connect(status, &QAction::toggled, this, [this](bool on) {
        statusBar()->setVisible(on);
        (void)cOptions::write(Opt::MsgComp_SBVisible, on);
    });
}

void TfrmNewMessage::buildInsertMenu(QMenu *menu)
{
    QAction *attach = AddMenuItem(menu, tr("&File attachment"), "tbAttachFile");
    attach->setIcon(QIcon::fromTheme(QStringLiteral("mail-attachment")));
    attach->setToolTip(tr("Attach a file"));
    connect(attach, &QAction::triggered, this, &TfrmNewMessage::popAttachments_AddClick);
    menu->addSeparator();
    const std::tuple<const char *, const char *, eDateTimeKind> kinds[] = {
        {"Date", "Insert_Date", eDateTimeKind::Date},
        {"Time", "Insert_Time", eDateTimeKind::Time},
        {"Date&&Time", "Insert_DateTime", eDateTimeKind::DateAndTime}};
    for (const auto &[text, name, kind] : kinds)
        connect(AddMenuItem(menu, tr(text), name), &QAction::triggered, this, [this, kind] { Insert_DateTimeClick(kind); });
    menu->addSeparator();
    connect(AddMenuItem(menu, tr("&Signature..."), "pop_mnuInsert_Signature"), &QAction::triggered, this,
            &TfrmNewMessage::pop_mnuInsert_SignatureClick);
}

void TfrmNewMessage::buildToolsMenu(QMenu *menu)
{
    QAction *addressBook = AddMenuItem(menu, tr("&Address book"), "mnuTools_AddressBook");
    addressBook->setEnabled(static_cast<bool>(WindowSteps().ShowAddressBook));
    connect(addressBook, &QAction::triggered, this, [] { WindowSteps().ShowAddressBook(); });
    connect(AddMenuItem(menu, tr("&Manage signatures"), "pop_mnuTools_ManageSignatures"), &QAction::triggered, this,
            &TfrmNewMessage::pop_mnuTools_ManageSignaturesClick);
    menu->addSeparator();
    connect(AddMenuItem(menu, tr("&Encode ROT13"), "mnuTools_EncodeROT13"), &QAction::triggered, this,
            &TfrmNewMessage::mnuTools_ROT13Click);
    connect(AddMenuItem(menu, tr("&Decode ROT13"), "mnuTools_DecodeROT13"), &QAction::triggered, this,
            &TfrmNewMessage::mnuTools_ROT13Click);
    menu->addSeparator();
    QMenu *priority = menu->addMenu(tr("&Set priority"));
    fPriorityItems = new QActionGroup(this);
    const std::tuple<const char *, const char *, int> items[] = {{"&Low", "pop_mnuTools_SetPriority_Low", 1},
                                                                 {"&Normal", "pop_mnuTools_SetPriority_normal", 0},
                                                                 {"&High", "pop_mnuTools_SetPriority_High", 2}};
    for (const auto &[text, name, tag] : items) {
        QAction *item = AddMenuItem(priority, tr(text), name);
        item->setCheckable(true);
        item->setChecked(tag == 0);
        item->setData(tag);
        fPriorityItems->addAction(item);
        connect(item, &QAction::triggered, this, [this, tag] { SetPriority_Click(tag); });
    }
}

void TfrmNewMessage::buildToolbar()
{
    DFSToolBar = addToolBar(tr("Toolbar"));
    DFSToolBar->setObjectName(QStringLiteral("DFSToolBar"));
    DFSToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    DFSToolBar->setMovable(false);
    // View > Toolbar alone shows and hides it, so that the option follows.
    setContextMenuPolicy(Qt::NoContextMenu);
    DFSToolBar->addAction(fSendNow);
    DFSToolBar->addSeparator();
    for (const char *name : {"tbUndo", "tbCut", "tbCopy", "tbPaste", "tbAttachFile"})
        DFSToolBar->addAction(findChild<QAction *>(QLatin1String(name)));
    popSignatures = new QMenu(this);
    popSignatures->setObjectName(QStringLiteral("popSignatures"));
    connect(popSignatures, &QMenu::aboutToShow, this, &TfrmNewMessage::RebuildSignatureMenu);
    auto *tbSignatures = new QToolButton(DFSToolBar);
    tbSignatures->setObjectName(QStringLiteral("tbSignatures"));
    tbSignatures->setText(tr("Signature"));
    tbSignatures->setToolTip(tr("Add a signature"));
    tbSignatures->setIcon(QIcon::fromTheme(QStringLiteral("insert-text")));
    tbSignatures->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tbSignatures->setPopupMode(QToolButton::MenuButtonPopup);
    tbSignatures->setMenu(popSignatures);
    connect(tbSignatures, &QToolButton::clicked, this, &TfrmNewMessage::tbSignaturesClick);
    DFSToolBar->addWidget(tbSignatures);
}
