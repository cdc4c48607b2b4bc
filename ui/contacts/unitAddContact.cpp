// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/contacts/unitAddContact.h"

#include "storage/cContactStore.h"
#include "ui/wndlist/DialogParts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

TfrmAddContact::TfrmAddContact(QWidget *parent, const QString &name, const QString &address) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAddContact"));
    setWindowTitle(tr("Add new contact"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MakeHeading(tr("Add new contact window")));
    layout->addWidget(MakeNote(tr("Please type the name and e-mail of the contact here below. You will be able to "
                                  "modify other properties later on.")));
    auto *form = new QFormLayout;
    edtName = AddField(form, tr("Name"), "edtName", name);
    edtEMail = AddField(form, tr("E-Mail"), "edtEMail", address);
    layout->addLayout(form);
    const cDialogButtons buttons = MakeDialogButtons(this, tr("&OK"));
    btnOK = buttons.ok;
    layout->addWidget(buttons.box);
    connect(btnOK, &QPushButton::clicked, this, &TfrmAddContact::btnOKClick);
    connect(edtName, &QLineEdit::textChanged, this, &TfrmAddContact::edtChange);
    connect(edtEMail, &QLineEdit::textChanged, this, &TfrmAddContact::edtChange);
    edtChange();
}

// A name of blanks alone would make a section that reads back nameless.
void TfrmAddContact::edtChange()
{
    btnOK->setEnabled(!edtName->text().trimmed().isEmpty());
}

void TfrmAddContact::btnOKClick()
{
    const cResult written = cContactStore::WriteNewContact(edtName->text().trimmed(), edtEMail->text());
    if (!written) {
        QMessageBox::warning(this, tr("Cannot save contact"), written.text());
        return;
    }
    accept();
}
