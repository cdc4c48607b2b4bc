// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/unitCreateFolder.h"

#include "ui/wndlist/DialogParts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCreateFolder::TfrmCreateFolder(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCreateFolder"));
    setWindowTitle(tr("Create new folder"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MakeHeading(tr("Create new folder")));
    layout->addWidget(MakeNote(tr("Please write the name of the folder in the textbox here below.")));
    auto *form = new QFormLayout;
    edtName = AddField(form, QString(), "edtName");
    layout->addLayout(form);
    const cDialogButtons buttons = MakeDialogButtons(this, tr("&OK"));
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(buttons.box);
}

QString TfrmCreateFolder::FolderName() const
{
    return edtName->text();
}
