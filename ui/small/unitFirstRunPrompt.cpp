// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/small/unitFirstRunPrompt.h"

#include "ui/small/unitBrowseFolder.h"
#include "storage/MailStorage.h"
#include "ui/wndlist/WindowSize.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel *wrappedLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

TfrmFirstRunPrompt::TfrmFirstRunPrompt(QWidget *parent)
    : QDialog(parent), edtFolder(new QLineEdit), btnBrowseDir(new QPushButton(tr("..."))),
      btnCancel(new QPushButton(tr("&Cancel"))), btnNext(new QPushButton(tr("&Next")))
{
    setObjectName(u"frmFirstRunPrompt"_s);
    setWindowTitle(tr("First run wizard"));
    edtFolder->setObjectName(u"edtFolder"_s);
    edtFolder->setReadOnly(true);
    btnBrowseDir->setObjectName(u"btnBrowseDir"_s);
    btnCancel->setObjectName(u"btnCancel"_s);
    btnNext->setObjectName(u"btnNext"_s);
    btnNext->setDefault(true);
    btnNext->setEnabled(false);

    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(edtFolder, 1);
    folderRow->addWidget(btnBrowseDir);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnNext);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("<h2>Welcome!</h2>")));
    layout->addWidget(wrappedLabel(tr("Since this is the first time this program is being ran on your computer, you'll "
                                    "need to fill some information in order to get started.")));
    layout->addSpacing(12);
    layout->addWidget(new QLabel(tr("Data storage folder")));
    layout->addLayout(folderRow);
    layout->addWidget(wrappedLabel(tr("This is the name of the folder where Ravelin 2.0 will store things such as "
                                    "e-mail, contacts, ... .")));
    layout->addSpacing(12);
    layout->addWidget(wrappedLabel(tr("You will next be asked for your mail settings.")));
    layout->addStretch(1);
    layout->addLayout(buttons);
    ResizeForFont(this, 76, 21);

    connect(edtFolder, &QLineEdit::textChanged, this, &TfrmFirstRunPrompt::edtFolderChange);
    connect(btnBrowseDir, &QPushButton::clicked, this, &TfrmFirstRunPrompt::btnBrowseDirClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnNext, &QPushButton::clicked, this, &TfrmFirstRunPrompt::btnNextClick);
}

void TfrmFirstRunPrompt::edtFolderChange(const QString &text)
{
    btnNext->setEnabled(!text.isEmpty());
}

void TfrmFirstRunPrompt::btnBrowseDirClick()
{
    const QString folder = BrowseForFolder(this, tr("Please select folder:"), edtFolder->text());
    if (!folder.isEmpty())
        edtFolder->setText(folder);
}

void TfrmFirstRunPrompt::btnNextClick()
{
    // Without the choice on disk the next start would ask again; say so and let the user
    // try again or cancel.
    if (const cResult adopted = AdoptMailFolder(edtFolder->text()); !adopted) {
        QMessageBox::warning(this, tr("Cannot save settings"), adopted.text());
        return;
    }
    accept();
}

bool RunFirstRunPrompt(QWidget *parent)
{
    TfrmFirstRunPrompt prompt(parent);
    return prompt.exec() == QDialog::Accepted;
}
