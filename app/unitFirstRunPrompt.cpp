#include "app/unitFirstRunPrompt.h"

#include "app/unitBrowseFolder.h"
#include "storage/MailStorage.h"

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
    : QDialog(parent), edtFolder(new QLineEdit), btnBrowseDir(new QPushButton(u"..."_s)),
      btnCancel(new QPushButton(u"&Cancel"_s)), btnNext(new QPushButton(u"&Next"_s))
{
    setObjectName(u"frmFirstRunPrompt"_s);
    setWindowTitle(u"First run wizard"_s);
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
    layout->addWidget(new QLabel(u"<h2>Welcome!</h2>"_s));
    layout->addWidget(wrappedLabel(u"Since this is the first time this program is being ran on your computer, you'll "
                                   "need to fill some information in order to get started."_s));
    layout->addSpacing(12);
    layout->addWidget(new QLabel(u"Data storage folder"_s));
    layout->addLayout(folderRow);
    layout->addWidget(wrappedLabel(u"This is the name of the folder where Ravelin 2.0 will store things such as "
                                   "e-mail, contacts, ... ."_s));
    layout->addSpacing(12);
    layout->addWidget(wrappedLabel(u"You will next be asked for your mail settings."_s));
    layout->addStretch(1);
    layout->addLayout(buttons);
    resize(460, 300);

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
    const QString folder = BrowseForFolder(this, u"Please select folder:"_s, edtFolder->text());
    if (!folder.isEmpty())
        edtFolder->setText(folder);
}

void TfrmFirstRunPrompt::btnNextClick()
{
    QString error;
    // Without the choice on disk the next start would ask again; say so and let the user
    // try again or cancel.
    if (!AdoptMailFolder(edtFolder->text(), &error)) {
        QMessageBox::warning(this, u"Cannot save settings"_s, error);
        return;
    }
    accept();
}

bool RunFirstRunPrompt(QWidget *parent)
{
    TfrmFirstRunPrompt prompt(parent);
    return prompt.exec() == QDialog::Accepted;
}
