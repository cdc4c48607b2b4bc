// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The read-only properties of one message: sender, subject, account, priority, time,
// content type, attachments (double-click opens one) and the stored header lines.
#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class cMailMessage;

class TfrmMessageProps : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmMessageProps(QWidget *parent = nullptr);

    void Load(const cMailMessage &record);

    void lstAttachmentsDblClick();

private:
    QWidget *buildGeneralPage();
    QLabel *addRow(class QFormLayout *form, const QString &caption, const char *name);

    QLabel *lblFrom;
    QLabel *lblSubject;
    QLabel *lblAccount;
    QLabel *lblPriority;
    QLabel *lblDateTime;
    QLabel *lblContentType;
    QListWidget *lstAttachments;
    QPlainTextEdit *txtHeaders;
    QStringList fAttachments;
};
