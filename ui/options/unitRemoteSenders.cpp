// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/options/unitRemoteSenders.h"

#include "storage/cRemoteContentSenders.h"
#include "ui/wndlist/DialogParts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmRemoteSenders::TfrmRemoteSenders(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmRemoteSenders"_s);
    setWindowTitle(tr("Allowed senders"));
    lstSenders = new QListWidget(this);
    lstSenders->setObjectName(u"lstSenders"_s);
    lstSenders->setSelectionMode(QAbstractItemView::ExtendedSelection);
    btnRemove = MakeButton(tr("&Remove"), "btnRemove");
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MakeNote(tr("Remote content in mail from these senders is loaded without asking.")));
    auto *row = new QHBoxLayout;
    row->addWidget(lstSenders, 1);
    row->addWidget(btnRemove, 0, Qt::AlignTop);
    layout->addLayout(row);
    layout->addWidget(close);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(btnRemove, &QPushButton::clicked, this, &TfrmRemoteSenders::btnRemoveClick);
    connect(lstSenders, &QListWidget::itemSelectionChanged, this,
            [this] { btnRemove->setEnabled(!lstSenders->selectedItems().isEmpty()); });
    FillList();
}

void TfrmRemoteSenders::FillList()
{
    lstSenders->clear();
    lstSenders->addItems(cRemoteContentSenders::Senders());
    btnRemove->setEnabled(false);
}

void TfrmRemoteSenders::btnRemoveClick()
{
    for (const QListWidgetItem *item : lstSenders->selectedItems()) {
        if (const cResult removed = cRemoteContentSenders::Remove(item->text()); !removed) {
            QMessageBox::warning(this, windowTitle(), removed.text());
            break;
        }
    }
    FillList();
}
