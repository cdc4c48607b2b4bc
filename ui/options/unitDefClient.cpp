// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/options/unitDefClient.h"

#include "storage/cOptions.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmDefClient::TfrmDefClient(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmDefClient"_s);
    setWindowTitle(tr("Ravelin"));
    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(tr("Ravelin is currently not your default Mail Client. Would you like to register it "
                               "as the default one?"));
    text->setWordWrap(true);
    layout->addWidget(text);
    chkDontAskAgain = new QCheckBox(tr("&Dont ask me this again"));
    chkDontAskAgain->setObjectName(u"chkDontAskAgain"_s);
    layout->addWidget(chkDontAskAgain);
    auto *buttons = new QDialogButtonBox;
    QPushButton *btnYes = buttons->addButton(tr("&Yes"), QDialogButtonBox::YesRole);
    btnYes->setObjectName(u"btnYes"_s);
    btnYes->setDefault(true);
    QPushButton *btnNo = buttons->addButton(tr("&No"), QDialogButtonBox::NoRole);
    btnNo->setObjectName(u"btnNo"_s);
    connect(btnYes, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnNo, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TfrmDefClient::done(int result)
{
    if (chkDontAskAgain->isChecked())
        if (const cResult written = cOptions::write(Opt::CheckForDefClient, false); !written)
            QMessageBox::warning(this, windowTitle(), written.text());
    QDialog::done(result);
}
