// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/options/unitOptions.h"

#include "storage/MailStorage.h"
#include "ui/options/unitRemoteSenders.h"
#include "ui/wndlist/DialogParts.h"
#include "ui/wndlist/WindowSize.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace OptionLimits;

namespace {

template <typename Widget>
Widget *named(Widget *widget, const char *objectName)
{
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}

QCheckBox *addCheck(QVBoxLayout *page, const QString &caption, const char *objectName)
{
    auto *box = named(new QCheckBox(caption), objectName);
    page->addWidget(box);
    return box;
}

QSpinBox *makeSpin(int minimum, int maximum, const char *objectName)
{
    auto *spin = named(new QSpinBox, objectName);
    spin->setRange(minimum, maximum);
    return spin;
}

// The font families to pick from. A stored name that is not among them stays shown greyed
// (no selection), so that leaving the list alone keeps it.
QComboBox *makeFontList(const char *objectName)
{
    auto *list = named(new QComboBox, objectName);
    list->addItems(QFontDatabase::families());
    return list;
}

void showFont(QComboBox *list, const QString &name)
{
    list->setPlaceholderText(name);
    list->setCurrentIndex(list->findText(name, Qt::MatchFixedString));
}

QString chosenFont(const QComboBox *list)
{
    return list->currentIndex() >= 0 ? list->currentText() : QString();
}

// A read-only path field with its "..." button, as one row.
QLineEdit *addPathRow(QVBoxLayout *page, const QString &caption, const char *fieldName, QPushButton *button,
                      bool readOnly)
{
    page->addWidget(MakeNote(caption));
    auto *row = new QHBoxLayout;
    auto *field = named(new QLineEdit, fieldName);
    field->setReadOnly(readOnly);
    row->addWidget(field);
    row->addWidget(button);
    page->addLayout(row);
    return field;
}

QString defaultFolderPicker(QWidget *parent, const QString &prompt, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, prompt, start);
}

} // namespace

TfrmOptions::TfrmOptions(cSteps steps, QWidget *parent) : QDialog(parent), fSteps(std::move(steps))
{
    setObjectName(u"frmOptions"_s);
    setWindowTitle(tr("Ravelin - Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (!fSteps.BrowseFolder)
        fSteps.BrowseFolder = defaultFolderPicker;
    if (!fSteps.AskMailFolderChange)
        fSteps.AskMailFolderChange = AskMailFolderChange;
    if (!fSteps.MoveMail)
        fSteps.MoveMail = [](QWidget *parent, const QString &from, const QString &to) {
            return MoveMailWithProgress(parent, {from, to, {}, eMoveBy::RenameWhenPossible});
        };
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MakeHeading(tr("Ravelin Options")));
    auto *pages = named(new QTabWidget, "pgOptions");
    const std::pair<QString, void (TfrmOptions::*)(QWidget *)> builders[] = {
        {tr("General"), &TfrmOptions::BuildGeneralPage}, {tr("Message"), &TfrmOptions::BuildMessagePage},
        {tr("Fonts"), &TfrmOptions::BuildFontsPage},     {tr("Sounds"), &TfrmOptions::BuildSoundsPage},
        {tr("Folders"), &TfrmOptions::BuildFoldersPage}};
    for (const auto &[title, build] : builders) {
        auto *page = new QWidget;
        (this->*build)(page);
        pages->addTab(page, title);
    }
    layout->addWidget(pages);
    const cDialogButtons buttons = MakeDialogButtons(this, tr("&OK"));
    buttons.ok->setObjectName(u"Button1"_s);
    buttons.cancel->setObjectName(u"Button2"_s);
    connect(buttons.ok, &QPushButton::clicked, this, &TfrmOptions::Button1Click);
    layout->addWidget(buttons.box);
    ResizeForFont(this, 64, 18);
    FormCreate();
}

void TfrmOptions::BuildGeneralPage(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    chkTrashPrompt = addCheck(layout, tr("Prompt me on emptying the trash"), "chkTrashPrompt");
    auto *interval = new QHBoxLayout;
    chkVerifyMail = named(new QCheckBox(tr("Check for new mail every")), "chkVerifyMail");
    UpDown_VerifyMailInterval = makeSpin(kMinInterval, kMaxInterval, "UpDown_VerifyMailInterval");
    interval->addWidget(chkVerifyMail);
    interval->addWidget(UpDown_VerifyMailInterval);
    interval->addWidget(new QLabel(tr("minutes.")));
    interval->addStretch();
    layout->addLayout(interval);
    chkVerifyDefClient = addCheck(layout, tr("Check that Ravelin is the default mail client"), "chkVerifyDefClient");
    chkSendMailImmideatly = addCheck(layout, tr("Mail should always be sent immedeatly"), "chkSendMailImmideatly");
    chkSendMailAfterFetch = addCheck(layout, tr("Send unsent messages after fetching mail"), "chkSendMailAfterFetch");
    layout->addStretch();
}

void TfrmOptions::BuildMessagePage(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    chkIncludeOriginalMsgInReply = addCheck(layout, tr("Include original message in replies and forwards"),
                                            "chkIncludeOriginalMsgInReply");
    chkAutoInsertDefSig = addCheck(layout, tr("Auto-insert default signature to messages"), "chkAutoInsertDefSig");
    auto *position = new QHBoxLayout;
    cboSignaturePosition = named(new QComboBox, "cboSignaturePosition");
    cboSignaturePosition->addItems({tr("Before"), tr("After")});
    position->addWidget(new QLabel(tr("Include signature")));
    position->addWidget(cboSignaturePosition);
    position->addWidget(new QLabel(tr("quoted message")));
    position->addStretch();
    layout->addLayout(position);
    auto *form = new QFormLayout;
    edtMsgQuoteChar = AddField(form, tr("Character for quoting message:"), "edtMsgQuoteChar");
    edtMsgQuoteChar->setMaxLength(1);
    edtDefSubject = AddField(form, tr("Default subject:"), "edtDefSubject");
    layout->addLayout(form);
    QPushButton *btnRemoteSenders = MakeButton(tr("Senders allowed to load remote content..."), "btnRemoteSenders");
    connect(btnRemoteSenders, &QPushButton::clicked, this, [this] { TfrmRemoteSenders(this).exec(); });
    layout->addWidget(btnRemoteSenders, 0, Qt::AlignLeft);
    layout->addStretch();
}

void TfrmOptions::BuildFontsPage(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    const auto addFontRow = [layout](const QString &caption, QComboBox *list, QSpinBox *size) {
        layout->addWidget(new QLabel(caption));
        auto *row = new QHBoxLayout;
        row->addWidget(list, 1);
        row->addWidget(size);
        layout->addLayout(row);
    };
    cboMailDisplayFont = makeFontList("cboMailDisplayFont");
    ud_MailDisplayFontSize = makeSpin(kMinFontSize, kMaxFontSize, "ud_MailDisplayFontSize");
    addFontRow(tr("Use the following font to display e-mails:"), cboMailDisplayFont, ud_MailDisplayFontSize);
    cboMsgCompFont = makeFontList("cboMsgCompFont");
    ud_MsgCompFontSize = makeSpin(kMinFontSize, kMaxFontSize, "ud_MsgCompFontSize");
    addFontRow(tr("... and in the message composition window:"), cboMsgCompFont, ud_MsgCompFontSize);
    layout->addStretch();
}

void TfrmOptions::BuildSoundsPage(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    QPushButton *btnNewMailSound = MakeButton(u"..."_s, "btnNewMailSound");
    edtNewMailSound = addPathRow(layout, tr("New mail sound:"), "edtNewMailSound", btnNewMailSound, false);
    QPushButton *btnMailErrorSound = MakeButton(u"..."_s, "btnMailErrorSound");
    edtMailErrorSound = addPathRow(layout, tr("Error sound:"), "edtMailErrorSound", btnMailErrorSound, false);
    connect(btnNewMailSound, &QPushButton::clicked, this, &TfrmOptions::btnNewMailSoundClick);
    connect(btnMailErrorSound, &QPushButton::clicked, this, &TfrmOptions::btnMailErrorSoundClick);
    layout->addStretch();
}

void TfrmOptions::BuildFoldersPage(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    QPushButton *btnBrowseDir = MakeButton(u"..."_s, "btnBrowseDir");
    edtFolder = addPathRow(layout, tr("Store all my e-mails, contacts and signatures in the following folder:"),
                           "edtFolder", btnBrowseDir, true);
    QPushButton *Button3 = MakeButton(u"..."_s, "Button3");
    edtAttchFolder = addPathRow(layout, tr("Store attachments from incoming messages in this folder:"),
                                "edtAttchFolder", Button3, true);
    connect(btnBrowseDir, &QPushButton::clicked, this, &TfrmOptions::btnBrowseDirClick);
    connect(Button3, &QPushButton::clicked, this, &TfrmOptions::Button3Click);
    layout->addStretch();
}

void TfrmOptions::FormCreate()
{
    fShown = cOptionValues::Read();
    chkTrashPrompt->setChecked(fShown.trashPrompt);
    chkVerifyMail->setChecked(fShown.verifyMail);
    UpDown_VerifyMailInterval->setValue(fShown.verifyMailInterval);
    chkVerifyDefClient->setChecked(fShown.checkForDefClient);
    chkSendMailImmideatly->setChecked(fShown.sendMailImmideatly);
    chkSendMailAfterFetch->setChecked(fShown.sendMailAfterMailFetch);
    chkIncludeOriginalMsgInReply->setChecked(fShown.includeOriginalMsgInReply);
    chkAutoInsertDefSig->setChecked(fShown.autoInsertDefSig);
    cboSignaturePosition->setCurrentIndex(fShown.sigPosition - 1);
    edtMsgQuoteChar->setText(fShown.msgQuoteChar);
    edtDefSubject->setText(fShown.defSubject);
    showFont(cboMailDisplayFont, fShown.mailDisplayFont);
    ud_MailDisplayFontSize->setValue(fShown.mailDisplayFontSize);
    showFont(cboMsgCompFont, fShown.msgCompFont);
    ud_MsgCompFontSize->setValue(fShown.msgCompFontSize);
    edtNewMailSound->setText(fShown.newMailSound);
    edtMailErrorSound->setText(fShown.mailErrorSound);
    edtFolder->setText(fShown.mailFolder);
    edtAttchFolder->setText(fShown.attachmentsFolder);
}

cOptionValues TfrmOptions::Values() const
{
    cOptionValues v;
    v.trashPrompt = chkTrashPrompt->isChecked();
    v.verifyMail = chkVerifyMail->isChecked();
    v.verifyMailInterval = UpDown_VerifyMailInterval->value();
    v.checkForDefClient = chkVerifyDefClient->isChecked();
    v.sendMailImmideatly = chkSendMailImmideatly->isChecked();
    v.sendMailAfterMailFetch = chkSendMailAfterFetch->isChecked();
    v.includeOriginalMsgInReply = chkIncludeOriginalMsgInReply->isChecked();
    v.autoInsertDefSig = chkAutoInsertDefSig->isChecked();
    v.sigPosition = cboSignaturePosition->currentIndex() + 1;
    v.msgQuoteChar = edtMsgQuoteChar->text();
    v.defSubject = edtDefSubject->text();
    v.mailDisplayFont = chosenFont(cboMailDisplayFont);
    v.mailDisplayFontSize = ud_MailDisplayFontSize->value();
    v.msgCompFont = chosenFont(cboMsgCompFont);
    v.msgCompFontSize = ud_MsgCompFontSize->value();
    v.newMailSound = edtNewMailSound->text();
    v.mailErrorSound = edtMailErrorSound->text();
    v.mailFolder = edtFolder->text();
    v.attachmentsFolder = edtAttchFolder->text();
    return v;
}

void TfrmOptions::ChooseSound(QLineEdit *field)
{
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(u"wav"_s);
    dialog.setNameFilters({tr("Wave files (*.wav)"), tr("All files (*)")});
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        field->setText(dialog.selectedFiles().constFirst());
}

void TfrmOptions::btnNewMailSoundClick() { ChooseSound(edtNewMailSound); }

void TfrmOptions::btnMailErrorSoundClick() { ChooseSound(edtMailErrorSound); }

QString TfrmOptions::ChooseFolder(const QString &start)
{
    return fSteps.BrowseFolder(this, tr("Please choose folder:"), start);
}

void TfrmOptions::btnBrowseDirClick()
{
    const QString folder = ChooseFolder(edtFolder->text());
    if (folder.isEmpty())
        return;
    edtFolder->setText(folder);
    fFolderChanged = true;
}

void TfrmOptions::Button3Click()
{
    const QString folder = ChooseFolder(edtAttchFolder->text());
    if (!folder.isEmpty())
        edtAttchFolder->setText(folder);
}

void TfrmOptions::Button1Click()
{
    const cOptionValues values = Values();
    if (fFolderChanged && !MoveMailIfWanted(values.mailFolder))
        return;
    if (const cResult written = values.WriteAllButFolders(); !written) {
        QMessageBox::warning(this, windowTitle(), written.text());
        return;
    }
    if (fSteps.ApplyToMainWindow)
        fSteps.ApplyToMainWindow();
    if (const cResult written = values.WriteFolders(); !written) {
        QMessageBox::warning(this, windowTitle(), written.text());
        return;
    }
    if (fFolderChanged && !AdoptNewMailFolder())
        return;
    SetAttachmentsFolder(values.attachmentsFolder);
    accept();
}

bool TfrmOptions::MoveMailIfWanted(const QString &to)
{
    const QString from = fShown.mailFolder;
    if (from.isEmpty() || QDir(from) == QDir(to) || !QFileInfo::exists(from))
        return true;
    switch (fSteps.AskMailFolderChange(this, from, to)) {
    case eMailFolderChange::Cancel: return false;
    case eMailFolderChange::UseAsItIs: return true;
    case eMailFolderChange::Move: break;
    }
    return fSteps.MoveMail(this, from, to);
}

// A folder that cannot be prepared leaves the program on the tree it was using, so that the
// next start and every mail operation until then still find the user's mail.
bool TfrmOptions::AdoptNewMailFolder()
{
    if (!fSteps.PrepareNewMailFolder || fSteps.PrepareNewMailFolder())
        return true;
    if (const cResult restored = fShown.WriteFolders(); !restored)
        QMessageBox::warning(this, windowTitle(), restored.text());
    SetMailRoot(fShown.mailFolder);
    SetAttachmentsFolder(fShown.attachmentsFolder);
    return false;
}
