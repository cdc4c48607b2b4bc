// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options dialog: five pages over the options file. OK writes every key, applies the
// preview font and the mail check to the main window at once and, when the mail folder was
// chosen anew, asks whether to move the mail there first, then has the storage prepared
// there; Cancel writes nothing. What lies outside the dialog comes in as steps, so it knows
// no main window.
#include "ui/options/MailFolderMove.h"
#include "ui/options/OptionValues.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TfrmOptions : public QDialog
{
    Q_OBJECT
public:
    struct cSteps
    {
        // The preview font and the periodic mail check, read again from the file.
        std::function<void()> ApplyToMainWindow;
        // Prepares the storage under the newly written mail folder and shows its Inbox;
        // false when it failed (the user has been told).
        std::function<bool()> PrepareNewMailFolder;
        // The chosen folder, empty when the picker was cancelled.
        std::function<QString(QWidget *parent, const QString &prompt, const QString &start)> BrowseFolder;
        // Asked when OK finds another mail folder chosen.
        std::function<eMailFolderChange(QWidget *parent, const QString &from, const QString &to)> AskMailFolderChange;
        // Moves the mail; false when it did not finish (the user has been told).
        std::function<bool(QWidget *parent, const QString &from, const QString &to)> MoveMail;
    };

    explicit TfrmOptions(cSteps steps, QWidget *parent = nullptr);

private:
    void FormCreate();
    void BuildGeneralPage(QWidget *page);
    void BuildMessagePage(QWidget *page);
    void BuildFontsPage(QWidget *page);
    void BuildSoundsPage(QWidget *page);
    void BuildFoldersPage(QWidget *page);

    void btnNewMailSoundClick();
    void btnMailErrorSoundClick();
    void btnBrowseDirClick();
    void Button3Click();
    void Button1Click();

    cOptionValues Values() const;
    // Asks about the mail in the old folder and moves it when the user wants; false leaves the
    // dialog open with nothing of the folders written.
    [[nodiscard]] bool MoveMailIfWanted(const QString &to);
    [[nodiscard]] bool AdoptNewMailFolder();
    void ChooseSound(QLineEdit *field);
    QString ChooseFolder(const QString &start);

    cSteps fSteps;
    cOptionValues fShown;
    bool fFolderChanged = false;

    QCheckBox *chkTrashPrompt;
    QCheckBox *chkVerifyMail;
    QSpinBox *UpDown_VerifyMailInterval;
    QCheckBox *chkVerifyDefClient;
    QCheckBox *chkSendMailImmideatly;
    QCheckBox *chkSendMailAfterFetch;
    QCheckBox *chkIncludeOriginalMsgInReply;
    QCheckBox *chkAutoInsertDefSig;
    QComboBox *cboSignaturePosition;
    QLineEdit *edtMsgQuoteChar;
    QLineEdit *edtDefSubject;
    QComboBox *cboMailDisplayFont;
    QSpinBox *ud_MailDisplayFontSize;
    QComboBox *cboMsgCompFont;
    QSpinBox *ud_MsgCompFontSize;
    QLineEdit *edtNewMailSound;
    QLineEdit *edtMailErrorSound;
    QLineEdit *edtFolder;
    QLineEdit *edtAttchFolder;
};
