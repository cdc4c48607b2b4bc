// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The compose window: recipients, subject, a plain-text body, attachments and a priority.
// It sends nothing itself: every way out stores the message in Unsent or Unfinished of the
// mail store it was given (or writes a file where the user chose) or drops the text; "Send now"
// then hands the message to the send window.
// Openers create it, fill the fields (SetBody, AddAttachment, Load) and show it.
// A message opened from a file keeps the stored bytes of every field the user leaves as it was.
// Whatever an opener filled in or the user typed counts as a change until it is saved or sent:
// a changed window asks before it closes, and keeps its text in Unfinished every 30 s and when
// the program ends, so a crash loses at most that much.
#include "mailproto/TVrxMsg.h"
#include "storage/cDraftKeeper.h"
#include "storage/cResult.h"
#include "ui/compose/ComposeRules.h"
#include "ui/compose/ComposerCommands.h"
#include "ui/compose/DraftQuestion.h"
#include "ui/compose/SenderChoices.h"
#include "ui/wndlist/cForm.h"
#include "ui/wndlist/cMenuItem.h" // cForm keeps a QPointer to it
#include "ui/wndlist/cComposerContent.h"

#include <QStringList>

#include <array>
#include <chrono>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QActionGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QTimer;
class QToolBar;

class TfrmNewMessage : public cForm
{
    Q_OBJECT
public:
    // With an owner the window is destroyed together with it, yet stays a window of its own.
    explicit TfrmNewMessage(cMailStore &store, QWidget *owner = nullptr);

    // What to do with changed messages on closing: count is how many are asked about at once.
    // AskAboutUnsavedMessages unless replaced (tests answer without one).
    using cDraftQuestion = std::function<eDraftAnswer(QWidget *parent, int count)>;
    static void SetDraftQuestion(cDraftQuestion question);
    // How often changed text is kept in Unfinished; 30 s unless replaced.
    static void SetAutoSaveInterval(std::chrono::milliseconds interval);
    // Asks once about every open composer with changes, saves or discards them all; false when
    // the user cancelled or a save failed, and the program is to go on.
    [[nodiscard]] static bool SettleAllBeforeExit(QWidget *parent);

    // Whether closing would lose something typed, filled in or loaded and changed.
    bool HasChanges() const;

    // Fills the window from a stored message, which later saves go over.
    [[nodiscard]] cResult Load(const cMessageRef &message);
    void SetHeaderFields(const QString &to, const QString &cc, const QString &subject, const QString &bcc = {});
    void SetBody(const QStringList &lines);
    void AddAttachment(const QString &path);
    // Lines that thread a reply; the message keeps them through every save.
    void SetExtraHeaders(const QList<QByteArray> &lines) { fExtraHeaders = lines; }
    // Where typing starts once an opener has filled the window.
    void FocusField(eComposerField field);
    // The body as it is shown, one entry per screen line.
    QStringList BodyLines() const;
    cComposedMessage Composed() const;
    // The account the message sends through; empty or unknown: the default account. Its
    // identity that gives senderLine is chosen when it has one.
    void SelectAccount(const QString &account, const QString &senderLine = {});
    // The stored message saves go over; none until the first save.
    const std::optional<cMessageRef> &Source() const { return fSource; }
    TPriority Priority() const { return fPriority; }

    // Writes the message over its source, or as a new message in the folder; the message written.
    cResultOf<cMessageRef> SaveToFolder(const QString &folder);

    QAction *Command(eNewMessageCommand id) const;

    void tbSendNowClick();
    void mnuFile_SendLaterClick();
    void mnuFile_FinishLaterClick();
    void mnuFile_SaveClick();
    void mnuFile_SaveAsClick();
    void Insert_DateTimeClick(eDateTimeKind kind);
    void mnuTools_ROT13Click();
    void SetPriority_Click(int tag);
    void tbSignaturesClick();
    void RebuildSignatureMenu();
    // The text inserted, empty when the signature has none.
    QString AppendSignature(const QString &name);
    void SwitchSenderSignature(const QString &name);
    // Appends the picked addresses to the field (edtTo, edtCC or edtBCC).
    void lblToClick(QLineEdit *field);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFields();
    void buildAttachmentPanel();
    void buildMenus();
    void wire(eNewMessageCommand id, const std::function<void()> &handler);
    void wireFileCommands();
    void wireEditCommands();
    void wireViewCommands();
    void wireInsertAndToolsCommands();
    void wirePriorityCommands();
    void buildToolbar();
    void applyWindowState();

    // The checks and writes "Send now" and "Send later" share; the message in Unsent, or none
    // when the user was told why not.
    std::optional<cMessageRef> saveForSending();
    // The record every save writes, from the chosen account. A draft keeps the stored bytes of
    // the fields the user left alone; a message for sending is typed text throughout, which is
    // what the sender declares it to be.
    cMailMessage StoredRecord(bool forSending = false) const;
    cFieldTexts FieldTexts() const;
    std::optional<cMessageRef> saveAsUnfinished();
    // Warns of a failed save; whether there was one.
    [[nodiscard]] bool reportedFailure(const cResult &saved);
    void markChanged();
    void markSaved();
    void watchForChanges();
    void tmrAutoSaveTimer();
    // Saves or discards as answered; false when the window is to stay open.
    bool settleChanges(eDraftAnswer answer);

    void popAttachments_AddClick();
    void popAttachments_RemoveClick();
    void popAttachments_OpenClick();
    void showAttachmentMenu(const QPoint &pos);
    bool takeDroppedFiles(QEvent *event);
    void pop_mnuInsert_SignatureClick();
    void pop_mnuTools_ManageSignaturesClick();
    void pop_mnuHelp_AboutClick();

    QComboBox *cboAccount;
    QList<cSenderChoice> fSenders;
    QString fSenderSignature; // as the last sender choice appended it
    QLineEdit *edtTo;
    QLineEdit *edtCC;
    QLineEdit *edtBCC;
    QLineEdit *edtSubject;
    QLabel *lblTo;
    QLabel *lblCC;
    QLabel *lblBCC;
    QPlainTextEdit *rtfMain;
    QWidget *pnlAttachmentContainer;
    QListWidget *lstAttachments;
    QMenu *popAttachments;
    QMenu *popSignatures;
    QToolBar *DFSToolBar;
    QActionGroup *fPriorityItems;
    QTimer *tmrAutoSave;
    std::array<QAction *, kNewMessageCommandCount> fCommands{};

    QStringList fAttachments;
    QList<QByteArray> fExtraHeaders;
    TPriority fPriority = TPriority::prNormal;
    cMailStore &fStore;
    std::optional<cMessageRef> fSource;
    // The stored message Load filled the window from.
    std::optional<cOpenedMessage> fOpened;
    bool fSizingGuard = true;
    cDraftKeeper fKeeper;
    // Changed since the user last saved, and since autosave last kept it.
    bool fChanged = false;
    bool fUnkept = false;
};
