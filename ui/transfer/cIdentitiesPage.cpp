// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/cIdentitiesPage.h"

#include "storage/cSignatureStore.h"
#include "ui/wndlist/DialogParts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

cIdentitiesPage::cIdentitiesPage(QWidget *parent) : QWidget(parent)
{
    lstIdentities = new QListWidget;
    lstIdentities->setObjectName(QStringLiteral("lstIdentities"));
    btnAddIdentity = new QPushButton(tr("&Add"));
    btnAddIdentity->setObjectName(QStringLiteral("btnAddIdentity"));
    btnRemoveIdentity = new QPushButton(tr("&Remove"));
    btnRemoveIdentity->setObjectName(QStringLiteral("btnRemoveIdentity"));
    // Enter stays with the dialog's "&OK".
    btnAddIdentity->setAutoDefault(false);
    btnRemoveIdentity->setAutoDefault(false);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(btnAddIdentity);
    buttons->addWidget(btnRemoveIdentity);
    buttons->addStretch();
    auto *list = new QHBoxLayout;
    list->addWidget(lstIdentities);
    list->addLayout(buttons);

    auto *form = new QFormLayout;
    edtIdentityName = AddField(form, tr("Name:"), "edtIdentityName");
    edtIdentityEMail = AddField(form, tr("E-mail:"), "edtIdentityEMail");
    edtIdentityReplyAddress = AddField(form, tr("Reply address:"), "edtIdentityReplyAddress");
    edtIdentityOrganisation = AddField(form, tr("Organization:"), "edtIdentityOrganisation");
    cboIdentitySignature = new QComboBox;
    cboIdentitySignature->setObjectName(QStringLiteral("cboIdentitySignature"));
    cboIdentitySignature->addItem(tr("(none)"), QString());
    for (const QString &name : cSignatureStore::SignatureNames())
        cboIdentitySignature->addItem(name, name);
    form->addRow(tr("Signature:"), cboIdentitySignature);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(list);
    layout->addLayout(form);
    connect(lstIdentities, &QListWidget::currentRowChanged, this, &cIdentitiesPage::lstIdentitiesChange);
    connect(btnAddIdentity, &QPushButton::clicked, this, &cIdentitiesPage::btnAddIdentityClick);
    connect(btnRemoveIdentity, &QPushButton::clicked, this, &cIdentitiesPage::btnRemoveIdentityClick);
    for (QLineEdit *field : {edtIdentityName, edtIdentityEMail, edtIdentityReplyAddress, edtIdentityOrganisation})
        connect(field, &QLineEdit::textEdited, this, &cIdentitiesPage::fieldsEdited);
    connect(cboIdentitySignature, &QComboBox::activated, this, &cIdentitiesPage::fieldsEdited);
    showChosen();
}

void cIdentitiesPage::Load(const QList<cIdentity> &identities)
{
    fIdentities = identities;
    lstIdentities->clear();
    for (const cIdentity &identity : fIdentities)
        lstIdentities->addItem(identity.SenderLine());
    lstIdentities->setCurrentRow(fIdentities.isEmpty() ? -1 : 0);
    showChosen();
}

void cIdentitiesPage::lstIdentitiesChange()
{
    showChosen();
}

void cIdentitiesPage::btnAddIdentityClick()
{
    fIdentities.append({tr("New identity"), {}, {}, {}, {}});
    lstIdentities->addItem(fIdentities.last().SenderLine());
    lstIdentities->setCurrentRow(lstIdentities->count() - 1);
    edtIdentityName->setFocus();
    edtIdentityName->selectAll();
}

void cIdentitiesPage::btnRemoveIdentityClick()
{
    const int row = lstIdentities->currentRow();
    if (row < 0)
        return;
    fIdentities.removeAt(row);
    delete lstIdentities->takeItem(row);
    showChosen();
}

void cIdentitiesPage::fieldsEdited()
{
    const int row = lstIdentities->currentRow();
    if (fShowing || row < 0)
        return;
    cIdentity &identity = fIdentities[row];
    identity.name = edtIdentityName->text();
    identity.email = edtIdentityEMail->text();
    identity.replyAddress = edtIdentityReplyAddress->text();
    identity.organisation = edtIdentityOrganisation->text();
    identity.signature = cboIdentitySignature->currentData().toString();
    lstIdentities->item(row)->setText(identity.SenderLine());
}

void cIdentitiesPage::showChosen()
{
    const int row = lstIdentities->currentRow();
    const cIdentity shown = row >= 0 ? fIdentities.value(row) : cIdentity();
    fShowing = true;
    edtIdentityName->setText(shown.name);
    edtIdentityEMail->setText(shown.email);
    edtIdentityReplyAddress->setText(shown.replyAddress);
    edtIdentityOrganisation->setText(shown.organisation);
    // A signature no longer in the store still shows, so that OK keeps it.
    if (cboIdentitySignature->findData(shown.signature) < 0)
        cboIdentitySignature->addItem(shown.signature, shown.signature);
    cboIdentitySignature->setCurrentIndex(cboIdentitySignature->findData(shown.signature));
    fShowing = false;
    for (QWidget *field : std::initializer_list<QWidget *>{edtIdentityName, edtIdentityEMail, edtIdentityReplyAddress,
                                                           edtIdentityOrganisation, cboIdentitySignature, btnRemoveIdentity})
        field->setEnabled(row >= 0);
}
