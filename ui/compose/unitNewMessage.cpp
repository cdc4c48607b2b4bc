// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compose/unitNewMessage.h"

#include "ui/compose/ComposerMenuItem.h"

#include "storage/DisplayText.h"
#include "storage/cContactStore.h"
#include "storage/cOptions.h"
#include "storage/cSignatureStore.h"
#include "transfer/cAccountStore.h"
#include "ui/wndlist/AttachmentOpening.h"
#include "ui/wndlist/cAddressFieldCompleter.h"
#include "ui/wndlist/WindowSize.h"
#include "ui/wndlist/cWindowSteps.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <tuple>

namespace {

constexpr int kMinWidth = 410;
constexpr int kMinHeight = 368;
// The opening size when none is stored, in the window's font.
constexpr int kDesignedColumns = 80;
constexpr int kDesignedLines = 28;

// A stored size counts only when the screen can show it and the window is not below its minimum.
int storedSize(const cSizeOption &option, int minimum, int designed, int screen)
{
    const int size = cOptions::read(option, designed);
    return size >= minimum && size <= screen ? size : designed;
}

TfrmNewMessage::cDraftQuestion &draftQuestion()
{
    static TfrmNewMessage::cDraftQuestion question = AskAboutUnsavedMessages;
    return question;
}

std::chrono::milliseconds &autoSaveInterval()
{
    static std::chrono::milliseconds interval = std::chrono::seconds(30);
    return interval;
}

QStringList droppedFiles(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    return paths;
}

} // namespace

TfrmNewMessage::TfrmNewMessage(cMailStore &store, QWidget *owner)
    : cForm(tr("New message"), QIcon::fromTheme(QStringLiteral("mail-message-new")), owner), fStore(store), fKeeper(store)
{
    setObjectName(QStringLiteral("frmNewMessage"));
    setWindowFlag(Qt::Window);
    setMinimumSize(kMinWidth, kMinHeight);
    buildFields();
    buildMenus();
    buildToolbar();
    applyWindowState();
    installEventFilter(this); // files dropped beside the fields
    watchForChanges();
}

void TfrmNewMessage::watchForChanges()
{
    for (QLineEdit *field : {edtTo, edtCC, edtBCC, edtSubject})
        connect(field, &QLineEdit::textChanged, this, &TfrmNewMessage::markChanged);
    connect(rtfMain, &QPlainTextEdit::textChanged, this, &TfrmNewMessage::markChanged);
    connect(cboAccount, &QComboBox::currentIndexChanged, this, &TfrmNewMessage::markChanged);
    tmrAutoSave = new QTimer(this);
    tmrAutoSave->setObjectName(QStringLiteral("tmrAutoSave"));
    tmrAutoSave->setInterval(autoSaveInterval());
    connect(tmrAutoSave, &QTimer::timeout, this, &TfrmNewMessage::tmrAutoSaveTimer);
    tmrAutoSave->start();
    // A logout or a signal to end ends the program without asking: what is typed goes to Unfinished.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &TfrmNewMessage::tmrAutoSaveTimer);
}

void TfrmNewMessage::markChanged()
{
    fChanged = true;
    fUnkept = true;
}

void TfrmNewMessage::markSaved()
{
    fChanged = false;
    fUnkept = false;
    fKeeper.Settle();
}

bool TfrmNewMessage::HasChanges() const
{
    const bool blank = edtTo->text().isEmpty() && edtCC->text().isEmpty() && edtBCC->text().isEmpty()
                       && edtSubject->text().isEmpty() && rtfMain->document()->isEmpty() && fAttachments.isEmpty();
    return fChanged && !(blank && !fSource);
}

void TfrmNewMessage::tmrAutoSaveTimer()
{
    if (!fUnkept || !HasChanges())
        return;
    const cResultOf<cMessageRef> kept = fKeeper.Keep(fSource, StoredRecord());
    if (!kept) {
        statusBar()->showMessage(tr("The message could not be kept in Unfinished: %1").arg(kept.text()));
        return;
    }
    fSource = kept.value();
    fUnkept = false;
}

bool TfrmNewMessage::settleChanges(eDraftAnswer answer)
{
    switch (answer) {
    case eDraftAnswer::Save:
        return saveAsUnfinished().has_value();
    case eDraftAnswer::Discard:
        if (const cResultOf<std::optional<cMessageRef>> discarded = fKeeper.Discard(); !discarded)
            (void)reportedFailure(discarded.result());
        else
            fSource = discarded.value();
        fChanged = false;
        fUnkept = false;
        return true;
    case eDraftAnswer::Cancel:
        break;
    }
    return false;
}

void TfrmNewMessage::closeEvent(QCloseEvent *event)
{
    if (HasChanges() && !settleChanges(draftQuestion()(this, 1))) {
        event->ignore();
        return;
    }
    cForm::closeEvent(event);
}

void TfrmNewMessage::SetDraftQuestion(cDraftQuestion question)
{
    draftQuestion() = question ? std::move(question) : AskAboutUnsavedMessages;
}

void TfrmNewMessage::SetAutoSaveInterval(std::chrono::milliseconds interval)
{
    autoSaveInterval() = interval;
}

bool TfrmNewMessage::SettleAllBeforeExit(QWidget *parent)
{
    QList<QPointer<TfrmNewMessage>> changed;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *composer = qobject_cast<TfrmNewMessage *>(window); composer && composer->HasChanges())
            changed.append(composer);
    if (changed.isEmpty())
        return true;
    const eDraftAnswer answer = draftQuestion()(parent, int(changed.size()));
    for (const QPointer<TfrmNewMessage> &composer : changed)
        if (composer && !composer->settleChanges(answer))
            return false;
    return true;
}

void TfrmNewMessage::buildFields()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    auto *form = new QFormLayout;
    cboAccount = new QComboBox(central);
    cboAccount->setObjectName(QStringLiteral("cboAccount"));
    QList<cAccountIdentities> accounts;
    for (const QString &name : cAccountStore::AccountNames())
        accounts.append({name, cAccountStore::IdentitiesOf(name)});
    fSenders = SenderChoicesOf(accounts);
    for (const cSenderChoice &choice : fSenders)
        cboAccount->addItem(choice.text);
    cboAccount->setEnabled(cboAccount->count() > 1);
    connect(cboAccount, &QComboBox::activated, this, [this](int index) { SwitchSenderSignature(fSenders.value(index).signature); });
    SelectAccount({});
    edtTo = new QLineEdit(central);
    edtTo->setObjectName(QStringLiteral("edtTo"));
    edtCC = new QLineEdit(central);
    edtCC->setObjectName(QStringLiteral("edtCC"));
    edtBCC = new QLineEdit(central);
    edtBCC->setObjectName(QStringLiteral("edtBCC"));
    edtBCC->setToolTip(tr("Blind copies: these addresses get the message, and no one sees them"));
    for (QLineEdit *field : {edtTo, edtCC, edtBCC})
        new cAddressFieldCompleter(field, [](const QString &typed) {
            const auto &suggest = WindowSteps().SuggestAddresses;
            return suggest ? suggest(typed) : QStringList();
        });
    edtSubject = new QLineEdit(central);
    edtSubject->setObjectName(QStringLiteral("edtSubject"));
    lblTo = new QLabel(tr("T&o:"), central);
    lblCC = new QLabel(tr("&cc:"), central);
    lblBCC = new QLabel(tr("&Bcc:"), central);
    lblTo->setBuddy(edtTo);
    lblCC->setBuddy(edtCC);
    lblBCC->setBuddy(edtBCC);
    for (QLabel *label : {lblTo, lblCC, lblBCC}) {
        QFont underlined = label->font();
        underlined.setUnderline(true);
        label->setFont(underlined);
        label->setStyleSheet(QStringLiteral("QLabel:enabled { color: blue }"));
        label->setCursor(Qt::PointingHandCursor);
        label->setEnabled(static_cast<bool>(WindowSteps().PickRecipients));
        label->installEventFilter(this);
    }
    lblTo->setObjectName(QStringLiteral("lblTo"));
    lblCC->setObjectName(QStringLiteral("lblCC"));
    lblBCC->setObjectName(QStringLiteral("lblBCC"));
    auto *lblSubject = new QLabel(tr("&Subject: "), central);
    lblSubject->setBuddy(edtSubject);
    auto *lblAccount = new QLabel(tr("&From:"), central);
    lblAccount->setBuddy(cboAccount);
    form->addRow(lblAccount, cboAccount);
    form->addRow(lblTo, edtTo);
    form->addRow(lblCC, edtCC);
    form->addRow(lblBCC, edtBCC);
    form->addRow(lblSubject, edtSubject);
    layout->addLayout(form);
    connect(edtSubject, &QLineEdit::textChanged, this,
            [this](const QString &subject) { DoSetCaption(ComposerCaption(subject)); });

    rtfMain = new QPlainTextEdit(central);
    rtfMain->setObjectName(QStringLiteral("rtfMain"));
    rtfMain->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    rtfMain->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rtfMain->setFont(QFont(cOptions::read(Opt::MsgCompFont), cOptions::read(Opt::MsgCompFontSize)));
    rtfMain->viewport()->installEventFilter(this);
    layout->addWidget(rtfMain, 1);
    buildAttachmentPanel();
    layout->addWidget(pnlAttachmentContainer);
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("sbMain"));
}

void TfrmNewMessage::buildAttachmentPanel()
{
    pnlAttachmentContainer = new QWidget(this);
    pnlAttachmentContainer->setObjectName(QStringLiteral("pnlAttachmentContainer"));
    auto *layout = new QVBoxLayout(pnlAttachmentContainer);
    layout->setContentsMargins(0, 0, 0, 0);
    lstAttachments = new QListWidget(pnlAttachmentContainer);
    lstAttachments->setObjectName(QStringLiteral("lstAttachments"));
    lstAttachments->setViewMode(QListView::IconMode);
    lstAttachments->setFlow(QListView::LeftToRight);
    lstAttachments->setWrapping(true);
    lstAttachments->setMaximumHeight(90);
    lstAttachments->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstAttachments->setContextMenuPolicy(Qt::CustomContextMenu);
    lstAttachments->viewport()->installEventFilter(this);
    layout->addWidget(lstAttachments);
    pnlAttachmentContainer->hide();

    popAttachments = new QMenu(this);
    popAttachments->setObjectName(QStringLiteral("popAttachments"));
    QAction *open = AddMenuItem(popAttachments, tr("&Open"), "popAttachments_Open");
    QFont bold = open->font();
    bold.setBold(true);
    open->setFont(bold);
    popAttachments->addSeparator();
    QAction *add = AddMenuItem(popAttachments, tr("&Add..."), "popAttachments_Add");
    QAction *remove = AddMenuItem(popAttachments, tr("&Remove"), "popAttachments_Remove", QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    lstAttachments->addAction(remove);
    connect(open, &QAction::triggered, this, &TfrmNewMessage::popAttachments_OpenClick);
    connect(add, &QAction::triggered, this, &TfrmNewMessage::popAttachments_AddClick);
    connect(remove, &QAction::triggered, this, &TfrmNewMessage::popAttachments_RemoveClick);
    connect(lstAttachments, &QListWidget::itemDoubleClicked, this, &TfrmNewMessage::popAttachments_OpenClick);
    connect(lstAttachments, &QWidget::customContextMenuRequested, this, &TfrmNewMessage::showAttachmentMenu);
}

void TfrmNewMessage::applyWindowState()
{
    const QSize screen = QGuiApplication::primaryScreen()->size();
    ResizeForFont(this, kDesignedColumns, kDesignedLines);
    const QSize designed = size();
    resize(storedSize(Opt::MsgComp_Width, kMinWidth, designed.width(), screen.width()),
           storedSize(Opt::MsgComp_Height, kMinHeight, designed.height(), screen.height()));
    move(QGuiApplication::primaryScreen()->availableGeometry().center() - rect().center());
    Command(eNewMessageCommand::Toolbar)->setChecked(cOptions::read(Opt::MsgComp_ExpandedToolbar));
    Command(eNewMessageCommand::StatusBar)->setChecked(cOptions::read(Opt::MsgComp_SBVisible));
    DFSToolBar->setVisible(cOptions::read(Opt::MsgComp_ExpandedToolbar));
    statusBar()->setVisible(cOptions::read(Opt::MsgComp_SBVisible));
}

cResult TfrmNewMessage::Load(const cMessageRef &stored)
{
    const cResultOf<cMailMessage> read = fStore.Read(stored);
    if (!read)
        return read.result();
    const cMailMessage &record = read.value();
    const cComposedMessage message = ComposedFromRecord(record);
    fSource = stored;
    SetBody(message.body);
    SetHeaderFields(message.to, message.cc, message.subject, message.bcc);
    fPriority = message.priority;
    fExtraHeaders = message.extraHeaders;
    SelectAccount(message.sendAccount, StoredSenderLine(DisplayText(record.From), DisplayText(record.ReplyAddress)));
    for (QAction *item : fPriorityItems->actions())
        item->setChecked(item->data().toInt() == TagOfPriority(message.priority));
    fAttachments.clear();
    lstAttachments->clear();
    for (const QString &attachment : message.attachments)
        AddAttachment(attachment);
    fOpened = cOpenedMessage{record, FieldTexts()};
    fChanged = false;
    fUnkept = false;
    return cResult::Ok();
}

void TfrmNewMessage::SetHeaderFields(const QString &to, const QString &cc, const QString &subject, const QString &bcc)
{
    edtTo->setText(to);
    edtCC->setText(cc);
    edtBCC->setText(bcc);
    edtSubject->setText(subject);
}

void TfrmNewMessage::SetBody(const QStringList &lines)
{
    rtfMain->setPlainText(EditorText(lines));
}

void TfrmNewMessage::AddAttachment(const QString &path)
{
    fAttachments.append(path);
    auto *item = new QListWidgetItem(QFileIconProvider().icon(QFileInfo(path)), QFileInfo(path).fileName());
    item->setToolTip(path);
    lstAttachments->addItem(item);
    pnlAttachmentContainer->show();
    markChanged();
}

void TfrmNewMessage::FocusField(eComposerField field)
{
    switch (field) {
    case eComposerField::To: edtTo->setFocus(); break;
    case eComposerField::Subject: edtSubject->setFocus(); break;
    case eComposerField::Body: rtfMain->setFocus(); break;
    }
}

QStringList TfrmNewMessage::BodyLines() const
{
    return DisplayedLines(*rtfMain->document());
}

cComposedMessage TfrmNewMessage::Composed() const
{
    const QString chosen = fSenders.value(cboAccount->currentIndex()).account;
    const bool isDefault = chosen.compare(cAccountStore::GetDefaultAccountName(), Qt::CaseInsensitive) == 0;
    return {edtTo->text(), edtCC->text(), edtSubject->text(), BodyLines(), fAttachments, fPriority, fExtraHeaders,
            edtBCC->text(), isDefault ? QString() : chosen};
}

cFieldTexts TfrmNewMessage::FieldTexts() const
{
    return {edtTo->text(), edtCC->text(), edtBCC->text(), edtSubject->text(), rtfMain->toPlainText()};
}

cMailMessage TfrmNewMessage::StoredRecord(bool forSending) const
{
    const cComposedMessage message = Composed();
    const cSenderChoice chosen = fSenders.value(cboAccount->currentIndex());
    const QString account = message.sendAccount.isEmpty() ? cAccountStore::GetDefaultAccountName() : message.sendAccount;
    const QString ownLine = message.sendAccount.isEmpty() ? cAccountStore::DefaultSenderLine()
                                                          : cAccountStore::SenderLineOf(message.sendAccount);
    const cMailMessage record = ComposedRecord(message, chosen.identity > 0 ? chosen.senderLine : ownLine, account);
    return fOpened && !forSending ? KeepUneditedBytes(record, *fOpened, FieldTexts()) : record;
}

void TfrmNewMessage::SelectAccount(const QString &account, const QString &senderLine)
{
    const qsizetype index = SenderChoiceFor(fSenders, account.isEmpty() ? cAccountStore::GetDefaultAccountName() : account,
                                            senderLine);
    cboAccount->setCurrentIndex(int(std::max<qsizetype>(index, 0)));
}

cResultOf<cMessageRef> TfrmNewMessage::SaveToFolder(const QString &folder)
{
    const cMailMessage record = StoredRecord(cMailStore::KindOf(folder) == eFolderKind::Unsent);
    if (!fSource)
        return fStore.Store(folder, record);
    if (cResult written = fStore.Replace(*fSource, record); !written)
        return written;
    return *fSource;
}

bool TfrmNewMessage::reportedFailure(const cResult &saved)
{
    if (saved)
        return false;
    QMessageBox::warning(this, tr("Cannot save the message"), saved.text());
    return true;
}

std::optional<cMessageRef> TfrmNewMessage::saveForSending()
{
    if (!HasRecipients(edtTo->text())) {
        QMessageBox::warning(this, tr("Missing field"),
                             tr("The are no receipiants of this message. Send is not possible."));
        edtTo->setFocus();
        return {};
    }
    const QString unsent = FolderName(eFolderKind::Unsent);
    const cResultOf<cMessageRef> saved = SaveToFolder(unsent);
    if (reportedFailure(saved.result()))
        return {};
    fSource = saved.value();
    markSaved();
    if (cMailStore::KindOf(fSource->folder) == eFolderKind::Unsent)
        return fSource;
    const cResultOf<cMessageRef> moved = fStore.Transfer(*fSource, unsent, true);
    if (reportedFailure(moved.result()))
        return {};
    fSource = moved.value();
    return fSource;
}

void TfrmNewMessage::tbSendNowClick()
{
    const std::optional<cMessageRef> sent = saveForSending();
    if (!sent)
        return;
    hide();
    if (cOptions::read(Opt::SendMailImmideatly)) {
        if (!cAccountStore::AccountsExist())
            QMessageBox::information(this, tr("No account set"),
                                     tr("There is not account set up on this computer. Your message has been saved "
                                        "in the \"unsent\" folder. You can send it once a mail account is created."));
        // The send window must not go with this one, which closes now.
        else
            RunStep(WindowSteps().SendMessages, QList<cMessageRef>{*sent}, nullptr);
    }
    close();
}

void TfrmNewMessage::mnuFile_SendLaterClick()
{
    if (saveForSending())
        close();
}

std::optional<cMessageRef> TfrmNewMessage::saveAsUnfinished()
{
    const cResultOf<cMessageRef> saved = SaveToFolder(FolderName(eFolderKind::Unfinished));
    if (reportedFailure(saved.result()))
        return {};
    markSaved();
    return saved.value();
}

void TfrmNewMessage::mnuFile_FinishLaterClick()
{
    if (saveAsUnfinished())
        close();
}

void TfrmNewMessage::mnuFile_SaveClick()
{
    if (const std::optional<cMessageRef> saved = saveAsUnfinished())
        fSource = saved;
}

void TfrmNewMessage::mnuFile_SaveAsClick()
{
    QFileDialog dialog(this, tr("Save as"));
    dialog.setObjectName(QStringLiteral("SaveAsMsg_SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("qrz"));
    dialog.setNameFilters({tr("Ravelin e-mails (*.qrz)"), tr("All files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const cMailMessage record = StoredRecord();
    (void)reportedFailure(record.WriteFile(dialog.selectedFiles().constFirst()));
}

void TfrmNewMessage::popAttachments_AddClick()
{
    QFileDialog dialog(this, tr("Insert attachment..."));
    dialog.setObjectName(QStringLiteral("attchOpenDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontResolveSymlinks);
    dialog.setNameFilter(tr("All files (*)"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        AddAttachment(dialog.selectedFiles().constFirst());
}

void TfrmNewMessage::popAttachments_RemoveClick()
{
    for (int row = lstAttachments->count() - 1; row >= 0; --row) {
        if (!lstAttachments->item(row)->isSelected())
            continue;
        delete lstAttachments->takeItem(row);
        fAttachments.removeAt(row);
    }
    pnlAttachmentContainer->setVisible(lstAttachments->count() > 0);
    markChanged();
}

void TfrmNewMessage::popAttachments_OpenClick()
{
    const int row = lstAttachments->currentRow();
    if (row >= 0 && row < fAttachments.size())
        OpenAttachment(this, fAttachments.at(row));
}

void TfrmNewMessage::showAttachmentMenu(const QPoint &pos)
{
    if (!lstAttachments->selectedItems().isEmpty())
        popAttachments->popup(lstAttachments->viewport()->mapToGlobal(pos));
}

bool TfrmNewMessage::takeDroppedFiles(QEvent *event)
{
    if (!acceptDrops())
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList paths = droppedFiles(drop->mimeData());
    if (paths.isEmpty())
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        for (const QString &path : paths)
            AddAttachment(path);
    return true;
}

bool TfrmNewMessage::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (takeDroppedFiles(event))
            return true;
        break;
    case QEvent::MouseButtonRelease:
        if ((watched == lblTo || watched == lblCC || watched == lblBCC) && static_cast<QWidget *>(watched)->isEnabled()) {
            lblToClick(watched == lblTo ? edtTo : watched == lblCC ? edtCC : edtBCC);
            return true;
        }
        break;
    default:
        break;
    }
    return cForm::eventFilter(watched, event);
}

void TfrmNewMessage::lblToClick(QLineEdit *field)
{
    if (!WindowSteps().PickRecipients)
        return;
    for (const QString &address : WindowSteps().PickRecipients(this))
        field->setText(AppendAddress(field->text(), address));
}

void TfrmNewMessage::showEvent(QShowEvent *event)
{
    cForm::showEvent(event);
    setAcceptDrops(true);
    fSizingGuard = false;
    rtfMain->moveCursor(QTextCursor::Start);
}

void TfrmNewMessage::resizeEvent(QResizeEvent *event)
{
    cForm::resizeEvent(event);
    if (fSizingGuard)
        return;
    (void)cOptions::write(Opt::MsgComp_Width, width());
    (void)cOptions::write(Opt::MsgComp_Height, height());
}

void TfrmNewMessage::Insert_DateTimeClick(eDateTimeKind kind)
{
    QTextCursor cursor = rtfMain->textCursor();
    cursor.clearSelection();
    cursor.movePosition(QTextCursor::EndOfLine);
    cursor.insertText(DateTimeText(kind));
}

void TfrmNewMessage::mnuTools_ROT13Click()
{
    // Letters map to letters one for one, so the whole text turns without touching its layout.
    QTextCursor cursor(rtfMain->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(Rot13Line(rtfMain->toPlainText()));
}

void TfrmNewMessage::SetPriority_Click(int tag)
{
    fPriority = PriorityOfTag(tag);
    markChanged();
}

void TfrmNewMessage::RebuildSignatureMenu()
{
    popSignatures->clear();
    const QStringList names = cSignatureStore::SignatureNames();
    for (const QString &name : names) {
        QAction *item = popSignatures->addAction(cMenuItem::MenuText(name));
        item->setData(name);
        connect(item, &QAction::triggered, this, [this, name] { AppendSignature(name); });
    }
    if (names.isEmpty())
        popSignatures->addAction(tr("No signatures avaliable"))->setEnabled(false);
    popSignatures->addSeparator();
    connect(popSignatures->addAction(tr("Manage signatures...")), &QAction::triggered, this,
            &TfrmNewMessage::pop_mnuTools_ManageSignaturesClick);
}

void TfrmNewMessage::tbSignaturesClick()
{
    RebuildSignatureMenu();
    const QAction *first = popSignatures->actions().constFirst();
    if (first->isEnabled())
        AppendSignature(first->data().toString());
}

QString TfrmNewMessage::AppendSignature(const QString &name)
{
    QString text = cSignatureStore::SignatureText(name);
    if (text.isEmpty())
        return {};
    QTextCursor cursor(rtfMain->document());
    cursor.movePosition(QTextCursor::End);
    // An empty last line is where the signature starts; otherwise it starts a new line.
    if (!cursor.block().text().isEmpty())
        text.prepend(QLatin1Char('\n'));
    cursor.insertText(text);
    return text;
}

// Choosing another sender takes the last sender's signature away, but only while it is still
// the untouched end of the text: what the user typed or edited stays.
void TfrmNewMessage::SwitchSenderSignature(const QString &name)
{
    if (!fSenderSignature.isEmpty() && rtfMain->toPlainText().endsWith(fSenderSignature)) {
        QTextCursor cursor(rtfMain->document());
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, int(fSenderSignature.size()));
        cursor.removeSelectedText();
    }
    fSenderSignature = AppendSignature(name);
}

void TfrmNewMessage::pop_mnuInsert_SignatureClick()
{
    if (!WindowSteps().ChooseSignature)
        return;
    if (const QString name = WindowSteps().ChooseSignature(this); !name.isEmpty())
        AppendSignature(name);
}

void TfrmNewMessage::pop_mnuTools_ManageSignaturesClick()
{
    RunStep(WindowSteps().ManageSignatures, this);
}

void TfrmNewMessage::pop_mnuHelp_AboutClick()
{
    RunStep(WindowSteps().ShowAbout, this);
}
