// SPDX-License-Identifier: GPL-3.0-or-later
// The composer's menus, shortcuts and toolbar: made from its command table, each command then
// wired to its handler by id.
#include "ui/compose/unitNewMessage.h"

#include "storage/cOptions.h"
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

using enum eNewMessageCommand;

QAction *TfrmNewMessage::Command(eNewMessageCommand id) const
{
    return fCommands.at(static_cast<std::size_t>(id));
}

void TfrmNewMessage::wire(eNewMessageCommand id, const std::function<void()> &handler)
{
    connect(Command(id), &QAction::triggered, this, handler);
}

void TfrmNewMessage::buildMenus()
{
    QMenuBar *popMain = menuBar();
    popMain->setObjectName(QStringLiteral("popMain"));
    std::array<QMenu *, 7> menus{};
    for (auto [menu, text] : {std::pair{eNewMessageMenu::File, QT_TR_NOOP("&File")}, {eNewMessageMenu::Edit, QT_TR_NOOP("&Edit")},
                              {eNewMessageMenu::View, QT_TR_NOOP("&View")}, {eNewMessageMenu::Insert, QT_TR_NOOP("&Insert")},
                              {eNewMessageMenu::Tools, QT_TR_NOOP("&Tools")}, {eNewMessageMenu::Help, QT_TR_NOOP("&Help")}})
        menus.at(static_cast<std::size_t>(menu)) = popMain->addMenu(tr(text));
    for (const cNewMessageCommand &info : NewMessageCommands()) {
        QMenu *&menu = menus.at(static_cast<std::size_t>(info.menu));
        // "&Set priority" ends the Tools menu, made when its first item comes.
        if (!menu) {
            menus.at(static_cast<std::size_t>(eNewMessageMenu::Tools))->addSeparator();
            menu = menus.at(static_cast<std::size_t>(eNewMessageMenu::Tools))->addMenu(tr("&Set priority"));
        }
        if (info.separatorBefore)
            menu->addSeparator();
        QAction *action = menu->addAction(tr(info.text));
        action->setObjectName(QLatin1String(info.name));
        action->setShortcut(info.keys.key() != Qt::Key_unknown ? QKeySequence(info.keys) : QKeySequence(info.standardKeys));
        action->setCheckable(info.checkable);
        fCommands.at(static_cast<std::size_t>(info.id)) = action;
    }
    wireFileCommands();
    wireEditCommands();
    wireViewCommands();
    wireInsertAndToolsCommands();
    wirePriorityCommands();
    wire(About, [this] { pop_mnuHelp_AboutClick(); });
    for (QKeySequence keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &TfrmNewMessage::tbSendNowClick);
}

void TfrmNewMessage::wireFileCommands()
{
    Command(SendNow)->setIcon(QIcon::fromTheme(QStringLiteral("mail-send")));
    Command(SendNow)->setToolTip(tr("Send now"));
    wire(SendNow, [this] { tbSendNowClick(); });
    wire(SendLater, [this] { mnuFile_SendLaterClick(); });
    wire(FinishLater, [this] { mnuFile_FinishLaterClick(); });
    wire(Save, [this] { mnuFile_SaveClick(); });
    wire(SaveAs, [this] { mnuFile_SaveAsClick(); });
    wire(Close, [this] { close(); });
}

void TfrmNewMessage::wireEditCommands()
{
    const std::pair<eNewMessageCommand, void (QPlainTextEdit::*)()> edits[] = {
        {Undo, &QPlainTextEdit::undo}, {Cut, &QPlainTextEdit::cut}, {Copy, &QPlainTextEdit::copy},
        {Paste, &QPlainTextEdit::paste}, {SelectAll, &QPlainTextEdit::selectAll}};
    for (const auto &[id, slot] : edits) {
        // The fields handle these keys themselves; the menu item always means the body.
        Command(id)->setShortcutContext(Qt::WidgetShortcut);
        connect(Command(id), &QAction::triggered, rtfMain, slot);
    }
    wire(Delete, [this] { rtfMain->textCursor().removeSelectedText(); });
}

void TfrmNewMessage::wireViewCommands()
{
    connect(Command(Toolbar), &QAction::toggled, this, [this](bool on) {
        DFSToolBar->setVisible(on);
        (void)cOptions::write(Opt::MsgComp_ExpandedToolbar, on);
    });
    connect(Command(StatusBar), &QAction::toggled, this, [this](bool on) {
        statusBar()->setVisible(on);
        (void)cOptions::write(Opt::MsgComp_SBVisible, on);
    });
}

void TfrmNewMessage::wireInsertAndToolsCommands()
{
    Command(AttachFile)->setIcon(QIcon::fromTheme(QStringLiteral("mail-attachment")));
    Command(AttachFile)->setToolTip(tr("Attach a file"));
    wire(AttachFile, [this] { popAttachments_AddClick(); });
    const std::pair<eNewMessageCommand, eDateTimeKind> kinds[] = {
        {InsertDate, eDateTimeKind::Date}, {InsertTime, eDateTimeKind::Time}, {InsertDateTime, eDateTimeKind::DateAndTime}};
    for (const auto &[id, kind] : kinds)
        wire(id, [this, kind] { Insert_DateTimeClick(kind); });
    wire(InsertSignature, [this] { pop_mnuInsert_SignatureClick(); });
    Command(AddressBook)->setEnabled(static_cast<bool>(WindowSteps().ShowAddressBook));
    wire(AddressBook, [] { WindowSteps().ShowAddressBook(); });
    wire(ManageSignatures, [this] { pop_mnuTools_ManageSignaturesClick(); });
    wire(EncodeROT13, [this] { mnuTools_ROT13Click(); });
    wire(DecodeROT13, [this] { mnuTools_ROT13Click(); });
}

void TfrmNewMessage::wirePriorityCommands()
{
    fPriorityItems = new QActionGroup(this);
    for (eNewMessageCommand id : {PriorityLow, PriorityNormal, PriorityHigh}) {
        const int tag = PriorityTagOf(id);
        Command(id)->setChecked(tag == 0);
        Command(id)->setData(tag);
        fPriorityItems->addAction(Command(id));
        wire(id, [this, tag] { SetPriority_Click(tag); });
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
    DFSToolBar->addAction(Command(SendNow));
    DFSToolBar->addSeparator();
    for (eNewMessageCommand id : {Undo, Cut, Copy, Paste, AttachFile})
        DFSToolBar->addAction(Command(id));
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
