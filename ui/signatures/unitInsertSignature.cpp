// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/signatures/unitInsertSignature.h"

#include "storage/cSignatureStore.h"
#include "ui/signatures/SignatureList.h"
#include "ui/wndlist/WindowSize.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmInsertSignature::TfrmInsertSignature(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInsertSignature"));
    setWindowTitle(tr("Insert signature"));
    auto *layout = new QVBoxLayout(this);
    lstSignatures = new QListWidget(this);
    lstSignatures->setObjectName(QStringLiteral("lstSignatures"));
    FillSignatureList(lstSignatures);
    layout->addWidget(lstSignatures, 1);
    layout->addWidget(new QLabel(tr("Preview:"), this));
    edtSignature = new QPlainTextEdit(this);
    edtSignature->setObjectName(QStringLiteral("edtSignature"));
    edtSignature->setReadOnly(true);
    layout->addWidget(edtSignature, 1);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(lstSignatures, &QListWidget::itemSelectionChanged, this, &TfrmInsertSignature::lstSignaturesClick);
    lstSignaturesClick();
    ResizeForFont(this, 48, 30);
}

QString TfrmInsertSignature::SelectedName() const
{
    const QList<QListWidgetItem *> selected = lstSignatures->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TfrmInsertSignature::lstSignaturesClick()
{
    edtSignature->setPlainText(cSignatureStore::SignatureText(SelectedName()));
}
