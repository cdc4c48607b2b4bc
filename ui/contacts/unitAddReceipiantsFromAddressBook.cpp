// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/contacts/unitAddReceipiantsFromAddressBook.h"

#include "ui/wndlist/DialogParts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidget *makeList(const char *objectName)
{
    auto *list = new QTreeWidget;
    list->setObjectName(QLatin1String(objectName));
    list->setHeaderLabels({TfrmAddReceipiantsFromAddressBook::tr("Name"), TfrmAddReceipiantsFromAddressBook::tr("E-Mail")});
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    return list;
}

// The selected items in list order, taken out of from and put at the end of to.
void moveSelected(QTreeWidget *from, QTreeWidget *to)
{
    QList<QTreeWidgetItem *> moving;
    for (int row = 0; row < from->topLevelItemCount(); ++row)
        if (from->topLevelItem(row)->isSelected())
            moving.append(from->topLevelItem(row));
    for (QTreeWidgetItem *item : moving) {
        from->takeTopLevelItem(from->indexOfTopLevelItem(item));
        item->setSelected(false);
        to->addTopLevelItem(item);
    }
}

} // namespace

TfrmAddReceipiantsFromAddressBook::TfrmAddReceipiantsFromAddressBook(QWidget *parent, const QList<cPickable> &contacts)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAddReceipiantsFromAddressBook"));
    setWindowTitle(tr("Add receipiants from address book"));
    lstFrom = makeList("lstFrom");
    lstTo = makeList("lstTo");
    for (const cPickable &contact : contacts)
        lstFrom->addTopLevelItem(new QTreeWidgetItem({contact.name, contact.email}));
    btnAdd = MakeButton(tr("Add"), "btnAdd");
    const cDialogButtons buttons = MakeDialogButtons(this, tr("&OK"));
    btnOK = buttons.ok;
    btnOK->setDefault(false);
    btnAdd->setDefault(true);

    auto *lists = new QHBoxLayout;
    lists->addWidget(lstFrom);
    auto *middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(btnAdd);
    middle->addStretch();
    lists->addLayout(middle);
    lists->addWidget(lstTo);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(buttons.box);

    connect(btnAdd, &QPushButton::clicked, this, &TfrmAddReceipiantsFromAddressBook::btnAddClick);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(lstFrom, &QTreeWidget::itemDoubleClicked, this, &TfrmAddReceipiantsFromAddressBook::btnAddClick);
    connect(lstFrom, &QTreeWidget::itemSelectionChanged, this, &TfrmAddReceipiantsFromAddressBook::updateButtons);
    lstTo->installEventFilter(this);
    updateButtons();
}

QStringList TfrmAddReceipiantsFromAddressBook::ChosenAddresses() const
{
    QStringList addresses;
    for (int row = 0; row < lstTo->topLevelItemCount(); ++row)
        addresses.append(lstTo->topLevelItem(row)->text(1));
    return addresses;
}

void TfrmAddReceipiantsFromAddressBook::btnAddClick()
{
    if (lstFrom->selectedItems().isEmpty())
        return;
    moveSelected(lstFrom, lstTo);
    updateButtons();
}

void TfrmAddReceipiantsFromAddressBook::lstToDeleteKey()
{
    moveSelected(lstTo, lstFrom);
    updateButtons();
}

bool TfrmAddReceipiantsFromAddressBook::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lstTo && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        lstToDeleteKey();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmAddReceipiantsFromAddressBook::updateButtons()
{
    btnAdd->setEnabled(!lstFrom->selectedItems().isEmpty());
    btnOK->setEnabled(lstTo->topLevelItemCount() > 0);
}
