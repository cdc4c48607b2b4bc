// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/contacts/unitAddressBook.h"

#include "storage/cOptions.h"
#include "storage/cVCard.h"
#include "ui/contacts/DuplicateContactQuestion.h"
#include "ui/contacts/ContactLists.h"
#include "ui/contacts/unitContactsSupport.h"
#include "ui/wndlist/cStatusPanel.h"
#include "ui/wndlist/cWindowSteps.h"
#include "ui/wndlist/WindowSize.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QToolBar>
#include <QTreeWidget>

namespace {

QPointer<TfrmAddressBook> gInstance;

constexpr int kNotStored = -32000;
constexpr int kDesignedColumnWidths[BookColumn::Count] = {180, 200, 160};

// The list's own state; the window's geometry keys are the shared ones of cOptions.
constexpr cSizeOption kColumnWidth[BookColumn::Count] = {
    {"AddressBook", "NameWidth"}, {"AddressBook", "EMailWidth"}, {"AddressBook", "HomePageWidth"}};
constexpr cIntOption kSortColumn{"AddressBook", "SortColumn", -1};
constexpr cBoolOption kSortDescending{"AddressBook", "SortDescending", false};

// Only the name is edited in place.
class cReadOnlyColumn : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return nullptr;
    }
};

} // namespace

TfrmAddressBook *TfrmAddressBook::Instance()
{
    return gInstance;
}

void TfrmAddressBook::ShowInstance()
{
    if (!gInstance)
        gInstance = new TfrmAddressBook;
    gInstance->show();
    gInstance->raise();
    gInstance->activateWindow();
}

TfrmAddressBook::TfrmAddressBook() : cForm(tr("Tolvan Ravelin - Address Book"), ContactsIcon("x-office-address-book"))
{
    setObjectName(QStringLiteral("frmAddressBook"));
    buildList();
    buildCommands();
    fStatus = new cStatusPanel(ContactImage(0));
    fStatus->setObjectName(QStringLiteral("sbMainPanel"));
    fStatus->setStyleSheet(QStringLiteral("color: #00008b"));
    statusBar()->setObjectName(QStringLiteral("sbMain"));
    statusBar()->addWidget(fStatus, 1);
    applyWindowState();
    lstItemsChange();
    connect(&cContactStore::instance(), &cContactStore::Changed, this, &TfrmAddressBook::fill);
}

TfrmAddressBook::~TfrmAddressBook() = default;

void TfrmAddressBook::buildList()
{
    lstItems = new QTreeWidget(this);
    lstItems->setObjectName(QStringLiteral("lstItems"));
    lstItems->setHeaderLabels({tr("Name"), tr("E-Mail"), tr("Home Page")});
    lstItems->setRootIsDecorated(false);
    lstItems->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstItems->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstItems->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    lstItems->setItemDelegateForColumn(BookColumn::EMail, new cReadOnlyColumn(lstItems));
    lstItems->setItemDelegateForColumn(BookColumn::HomePage, new cReadOnlyColumn(lstItems));
    // Grid lines; a style sheet on items takes over their selection colours too.
    lstItems->setStyleSheet(QStringLiteral("QTreeView::item { border-right: 1px solid #d8d8d8; "
                                           "border-bottom: 1px solid #d8d8d8; }"
                                           "QTreeView::item:selected { background: palette(highlight); "
                                           "color: palette(highlighted-text); }"));
    lstItems->setContextMenuPolicy(Qt::CustomContextMenu);
    lstItems->header()->setSectionsClickable(true);
    connect(lstItems, &QTreeWidget::itemSelectionChanged, this, &TfrmAddressBook::lstItemsChange);
    connect(lstItems, &QTreeWidget::itemChanged, this, &TfrmAddressBook::lstItemsEdited);
    connect(lstItems, &QTreeWidget::itemDoubleClicked, this, &TfrmAddressBook::tb_SendMailClick);
    connect(lstItems, &QWidget::customContextMenuRequested, this, &TfrmAddressBook::showContactMenu);
    connect(lstItems->header(), &QHeaderView::sectionClicked, this, &TfrmAddressBook::lstItemsHeaderClick);
    setCentralWidget(lstItems);
}

QAction *TfrmAddressBook::addCommand(const QString &text, const char *name, void (TfrmAddressBook::*handler)(),
                                     bool needsItem)
{
    auto *action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, handler);
    if (needsItem)
        fNeedsItem.append(action);
    return action;
}

void TfrmAddressBook::buildCommands()
{
    using A = TfrmAddressBook;
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(addCommand(tr("&Import vCard..."), "mnuFile_Import", &A::mnuFile_ImportClick, false));
    file->addAction(addCommand(tr("&Export vCard..."), "mnuFile_Export", &A::mnuFile_ExportClick, false));
    file->addSeparator();
    file->addAction(addCommand(tr("&Close"), "mnuFile_Close", &A::mnuFile_CloseClick, false));

    QMenu *contact = menuBar()->addMenu(tr("&Contact"));
    contact->addAction(addCommand(tr("&Add"), "mnuContact_Add", &A::tb_AddContactClick, false));
    contact->addAction(addCommand(tr("&Properties"), "mnuContact_Props", &A::tb_PropsClick, true));
    contact->addAction(addCommand(tr("&Delete"), "mnuContact_Delete", &A::tb_DeleteClick, true));
    contact->addSeparator();
    contact->addAction(addCommand(tr("Send E-Mail"), "mnuContact_SendMail", &A::tb_SendMailClick, true));
    contact->addAction(addCommand(tr("Visit Home Page"), "mnuContact_VisitSite", &A::tb_VisitSiteClick, true));
    menuBar()->addMenu(tr("&Help"))->addAction(addCommand(tr("&About..."), "mnuHelp_About", &A::tb_AboutClick, false));

    DFSToolBar = addToolBar(tr("Address book"));
    DFSToolBar->setObjectName(QStringLiteral("DFSToolBar"));
    DFSToolBar->setMovable(false);
    const struct
    {
        const char *text, *name, *hint, *icon;
        void (A::*handler)();
        bool needsItem;
    } buttons[] = {
        {QT_TR_NOOP("Add"), "tb_AddContact", QT_TR_NOOP("Add a new contact"), "ravelin-contact", &A::tb_AddContactClick, false},
        {QT_TR_NOOP("Delete"), "tb_Delete", QT_TR_NOOP("Delete contact"), "edit-delete", &A::tb_DeleteClick, true},
        {QT_TR_NOOP("Properties"), "tb_Props", QT_TR_NOOP("Contact properties"), "x-office-address-book", &A::tb_PropsClick, true},
        {QT_TR_NOOP("Send mail"), "tb_SendMail", QT_TR_NOOP("Send mail to contact"), "mail-message-new", &A::tb_SendMailClick, true},
        {QT_TR_NOOP("Home page"), "tb_VisitSite", QT_TR_NOOP("Visit contact's Home Page"), "ravelin-web-page", &A::tb_VisitSiteClick, true},
        {QT_TR_NOOP("About"), "tb_About", QT_TR_NOOP("About"), "dialog-information", &A::tb_AboutClick, false},
    };
    for (const auto &b : buttons) {
        QAction *action = addCommand(tr(b.text), b.name, b.handler, b.needsItem);
        action->setToolTip(tr(b.hint));
        action->setIcon(ContactsIcon(b.icon));
        DFSToolBar->addAction(action);
    }

    popContact = new QMenu(this);
    popContact->setObjectName(QStringLiteral("popContact"));
    popContact->addAction(addCommand(tr("&New contact"), "pop_NewContact", &A::tb_AddContactClick, false));
    popContact->addSeparator();
    popContact->addAction(addCommand(tr("Properties"), "pop_Props", &A::tb_PropsClick, true));
    popContact->addAction(addCommand(tr("Delete"), "pop_Delete", &A::tb_DeleteClick, true));
    popContact->addSeparator();
    popContact->addAction(addCommand(tr("Send Mail"), "pop_SendMail", &A::tb_SendMailClick, true));
    popContact->addAction(addCommand(tr("Visit Home Page"), "pop_VisitSite", &A::tb_VisitSiteClick, true));
}

void TfrmAddressBook::applyWindowState()
{
    const bool expanded = cOptions::read(Opt::AddressBook_ExpandedToolbar);
    DFSToolBar->setToolButtonStyle(expanded ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    DFSToolBar->setIconSize(expanded ? QSize(24, 24) : QSize(16, 16));
    for (int column = 0; column < BookColumn::Count; ++column)
        lstItems->setColumnWidth(column, cOptions::read(kColumnWidth[column], kDesignedColumnWidths[column]));
    fSortColumn = cOptions::read(kSortColumn);
    fSortOrder = cOptions::read(kSortDescending) ? Qt::DescendingOrder : Qt::AscendingOrder;
    if (cOptions::read(Opt::AddressBook_Maximized)) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    const int width = cOptions::read(Opt::AddressBook_Width, kNotStored);
    const int height = cOptions::read(Opt::AddressBook_Height, kNotStored);
    if (width != kNotStored && height != kNotStored)
        resize(width, height);
    else
        ResizeForFont(this, 93, 28);
    const int left = cOptions::read(Opt::AddressBook_Left, kNotStored);
    const int top = cOptions::read(Opt::AddressBook_Top, kNotStored);
    if (left != kNotStored && top != kNotStored)
        move(left, top);
    // Stored on a larger screen, or before the font grew.
    KeepOnScreen(this);
}

void TfrmAddressBook::saveWindowState() const
{
    const bool maximized = isMaximized();
    (void)cOptions::write(Opt::AddressBook_ExpandedToolbar, IsToolbarExpanded());
    (void)cOptions::write(Opt::AddressBook_Maximized, maximized);
    if (!maximized) {
        (void)cOptions::write(Opt::AddressBook_Height, height());
        (void)cOptions::write(Opt::AddressBook_Width, width());
        (void)cOptions::write(Opt::AddressBook_Left, x());
        (void)cOptions::write(Opt::AddressBook_Top, y());
    }
    for (int column = 0; column < BookColumn::Count; ++column)
        (void)cOptions::write(kColumnWidth[column], lstItems->columnWidth(column));
    (void)cOptions::write(kSortColumn, fSortColumn);
    (void)cOptions::write(kSortDescending, fSortOrder == Qt::DescendingOrder);
}

bool TfrmAddressBook::IsToolbarExpanded() const
{
    return DFSToolBar->toolButtonStyle() == Qt::ToolButtonTextUnderIcon;
}

void TfrmAddressBook::showEvent(QShowEvent *event)
{
    cForm::showEvent(event);
    fill();
}

void TfrmAddressBook::fill()
{
    FillList(cContactStore::ReadAllContacts());
}

void TfrmAddressBook::closeEvent(QCloseEvent *event)
{
    saveWindowState();
    cForm::closeEvent(event);
}

void TfrmAddressBook::FillList(const QList<cContactCard> &cards)
{
    {
        const QSignalBlocker quiet(lstItems);
        lstItems->clear();
        for (const cContactCard &card : cards)
            lstItems->addTopLevelItem(NewBookItem(card));
    }
    if (fSortColumn >= 0)
        sortByColumn(fSortColumn, fSortOrder);
    fStatus->setText(PeopleInBookText(lstItems->topLevelItemCount()));
    lstItemsChange();
}

QString TfrmAddressBook::StatusText() const
{
    return fStatus->text();
}

void TfrmAddressBook::sortByColumn(int column, Qt::SortOrder order)
{
    fSortColumn = column;
    fSortOrder = order;
    lstItems->sortItems(column, order);
    lstItems->header()->setSortIndicatorShown(true);
    lstItems->header()->setSortIndicator(column, order);
}

void TfrmAddressBook::lstItemsHeaderClick(int column)
{
    const bool again = column == fSortColumn && fSortOrder == Qt::AscendingOrder;
    sortByColumn(column, again ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TfrmAddressBook::lstItemsChange()
{
    const bool selected = selectedItem() != nullptr;
    for (QAction *action : fNeedsItem)
        action->setEnabled(selected);
}

void TfrmAddressBook::lstItemsEdited(QTreeWidgetItem *item, int column)
{
    const QString oldName = item->data(BookColumn::Name, ContactRole::StoredName).toString();
    if (column == BookColumn::Name && item->text(BookColumn::Name) != oldName)
        RenameInPlace(this, oldName, item->text(BookColumn::Name));
}

void TfrmAddressBook::showContactMenu(const QPoint &pos)
{
    if (selectedItem())
        popContact->popup(lstItems->viewport()->mapToGlobal(pos));
}

QTreeWidgetItem *TfrmAddressBook::selectedItem() const
{
    const QList<QTreeWidgetItem *> selected = lstItems->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    QTreeWidgetItem *current = lstItems->currentItem();
    return current && current->isSelected() ? current : selected.first();
}

QString TfrmAddressBook::selectedName() const
{
    const QTreeWidgetItem *item = selectedItem();
    return item ? item->data(BookColumn::Name, ContactRole::StoredName).toString() : QString();
}

void TfrmAddressBook::tb_AddContactClick()
{
    ShowAddContact(this, QString(), QString());
}

void TfrmAddressBook::tb_PropsClick()
{
    if (selectedItem())
        ShowContactProperties(selectedName());
}

void TfrmAddressBook::tb_DeleteClick()
{
    if (selectedItem())
        DeleteContact(this, selectedName());
}

void TfrmAddressBook::tb_SendMailClick()
{
    QStringList addresses;
    for (int row = 0; row < lstItems->topLevelItemCount(); ++row)
        if (lstItems->topLevelItem(row)->isSelected())
            addresses.append(lstItems->topLevelItem(row)->text(BookColumn::EMail));
    if (addresses.size() == 1)
        SendMailToContact(this, selectedName(), addresses.first());
    else if (!addresses.isEmpty())
        SendMailToContacts(this, addresses);
}

void TfrmAddressBook::tb_VisitSiteClick()
{
    if (const QTreeWidgetItem *item = selectedItem())
        VisitContactHomePage(this, selectedName(), item->text(BookColumn::HomePage));
}

void TfrmAddressBook::tb_AboutClick()
{
    RunStep(WindowSteps().ShowAbout, this);
}

void TfrmAddressBook::mnuFile_ImportClick()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import vCard"), QString(),
                                                      tr("vCard files (*.vcf *.vcard);;All files (*)"));
    if (path.isEmpty())
        return;
    const cResultOf<cVCardImport> imported =
        ImportVCardFile(path, [this](const cContactCard &incoming, const cContactCard &existing) {
            return AskDuplicateContact(this, incoming, existing);
        });
    if (!imported) {
        QMessageBox::warning(this, tr("Import vCard"), imported.text());
        return;
    }
    QMessageBox::information(this, tr("Import vCard"),
                             tr("%1 contact(s) imported, %2 broken card(s) skipped.")
                                 .arg(imported.value().cards.size() - imported.value().duplicatesSkipped)
                                 .arg(imported.value().skipped));
}

void TfrmAddressBook::mnuFile_ExportClick()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export vCard"), QStringLiteral("contacts.vcf"),
                                                      tr("vCard files (*.vcf *.vcard);;All files (*)"));
    if (path.isEmpty())
        return;
    const cResultOf<int> exported = ExportVCardFile(path);
    if (!exported)
        QMessageBox::warning(this, tr("Export vCard"), exported.text());
    else
        QMessageBox::information(this, tr("Export vCard"),
                                 tr("%1 contact(s) exported to \"%2\".").arg(exported.value()).arg(path));
}

void TfrmAddressBook::mnuFile_CloseClick()
{
    close();
}
