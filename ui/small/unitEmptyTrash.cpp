// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/small/unitEmptyTrash.h"

#include "ui/wndlist/DialogParts.h"

#include "storage/cOptions.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmEmptyTrash::TfrmEmptyTrash(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmEmptyTrash"));
    setWindowTitle(tr("Ravelin - Empty trash folder"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MakeHeading(tr("Empty Trash folder")));
    auto *text = new QLabel(tr("Are you sure you want to empty the trash folder, deleting all messages in it?"), this);
    text->setWordWrap(true);
    layout->addWidget(text);
    chkTrashPrompt = new QCheckBox(tr("Don't ask me this again"), this);
    chkTrashPrompt->setObjectName(QStringLiteral("chkTrashPrompt"));
    layout->addWidget(chkTrashPrompt);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *btnYes = buttons->addButton(tr("&Yes"), QDialogButtonBox::YesRole);
    btnYes->setObjectName(QStringLiteral("btnYes"));
    btnYes->setDefault(true);
    QPushButton *btnNo = buttons->addButton(tr("&No"), QDialogButtonBox::NoRole);
    btnNo->setObjectName(QStringLiteral("btnNo"));
    connect(btnYes, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnNo, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool TfrmEmptyTrash::ConfirmEmptyTrash(QWidget *parent)
{
    if (!cOptions::read(Opt::TrashPrompt))
        return true;
    TfrmEmptyTrash prompt(parent);
    return prompt.exec() == QDialog::Accepted;
}

void TfrmEmptyTrash::done(int result)
{
    (void)cOptions::write(Opt::TrashPrompt, !chkTrashPrompt->isChecked());
    QDialog::done(result);
}
