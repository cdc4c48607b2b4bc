// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compose/unitMessageProps.h"

#include "ui/wndlist/DialogParts.h"

#include "storage/DisplayText.h"
#include "storage/cMailMessage.h"
#include "ui/compose/MessagePropsRules.h"
#include "ui/wndlist/AttachmentOpening.h"
#include "ui/wndlist/WindowSize.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmMessageProps::TfrmMessageProps(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMessageProps"));
    setWindowTitle(tr("E-Mail properties"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("document-properties")));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MakeHeading(tr("Message properties")));
    auto *pages = new QTabWidget(this);
    pages->addTab(buildGeneralPage(), tr("General"));
    txtHeaders = new QPlainTextEdit(pages);
    txtHeaders->setObjectName(QStringLiteral("txtHeaders"));
    txtHeaders->setReadOnly(true);
    txtHeaders->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtHeaders->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtHeaders->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pages->addTab(txtHeaders, tr("Headers"));
    layout->addWidget(pages, 1);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    ResizeForFont(this, 72, 28);
}

QLabel *TfrmMessageProps::addRow(QFormLayout *form, const QString &caption, const char *name)
{
    auto *value = new QLabel(form->parentWidget());
    value->setObjectName(QLatin1String(name));
    value->setTextFormat(Qt::PlainText);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(caption, value);
    return value;
}

QWidget *TfrmMessageProps::buildGeneralPage()
{
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    lblFrom = addRow(form, tr("From:"), "lblFrom");
    lblSubject = addRow(form, tr("Subject:"), "lblSubject");
    lblAccount = addRow(form, tr("Received on account:"), "lblAccount");
    lblPriority = addRow(form, tr("Priority:"), "lblPriority");
    // The form makes the caption a buddy label, where one "&" would be a mnemonic.
    lblDateTime = addRow(form, tr("Date&&Time:"), "lblDateTime");
    lblContentType = addRow(form, tr("Content type:"), "lblContentType");
    lstAttachments = new QListWidget(page);
    lstAttachments->setObjectName(QStringLiteral("lstAttachments"));
    form->addRow(tr("Attachments:"), lstAttachments);
    connect(lstAttachments, &QListWidget::itemDoubleClicked, this, &TfrmMessageProps::lstAttachmentsDblClick);
    return page;
}

void TfrmMessageProps::Load(const cMailMessage &record)
{
    lblFrom->setText(DisplayText(record.From));
    lblSubject->setText(DisplayText(record.Subject));
    lblAccount->setText(DisplayText(record.Account));
    const cPriorityDisplay priority = PriorityDisplay(record.Priority);
    lblPriority->setText(priority.text);
    QPalette palette = lblPriority->palette();
    palette.setColor(QPalette::WindowText, priority.colour);
    lblPriority->setPalette(palette);
    lblDateTime->setText(DisplayText(record.DateTime));
    lblContentType->setText(ContentTypeText(record.Html));
    fAttachments = record.attachments;
    lstAttachments->clear();
    // By name, as the preview lists them; the folder is at hand on hover.
    for (const QString &attachment : std::as_const(fAttachments))
        (new QListWidgetItem(QFileInfo(attachment).fileName(), lstAttachments))->setToolTip(attachment);
    QStringList headers;
    // Line by line: a received header block often mixes raw UTF-8 with a legacy charset.
    for (const QByteArray &line : record.headerLines)
        headers.append(DisplayText(line));
    txtHeaders->setPlainText(headers.join(QLatin1Char('\n')));
}

void TfrmMessageProps::lstAttachmentsDblClick()
{
    const int row = lstAttachments->currentRow();
    if (row >= 0 && row < fAttachments.size() && lstAttachments->currentItem()->isSelected())
        OpenAttachment(this, fAttachments.at(row));
}
