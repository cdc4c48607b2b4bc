// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pieces every dialog shares: a bold heading, a wrapped note, labelled fields, the OK/Cancel
// pair and a Yes/No question. Texts stay with the windows that show them.
#include <QString>

class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QWidget;

QLabel *MakeHeading(const QString &text);
QLabel *MakeNote(const QString &text);
// A labelled edit field added to a form; the label is the field's buddy.
QLineEdit *AddField(QFormLayout *form, const QString &label, const char *objectName, const QString &text = {});
// An empty field that shows text as an example of what to type.
QLineEdit *AddSampleField(QFormLayout *form, const QString &label, const char *objectName, const QString &sample);
// Masked with "*" and limited to the 255 characters the accounts file keeps.
QLineEdit *AddPasswordField(QFormLayout *form, const QString &label, const char *objectName);
QPushButton *MakeButton(const QString &text, const char *objectName);

// btnOK, the default button, and btnCancel, which rejects the dialog.
struct cDialogButtons
{
    QPushButton *ok;
    QPushButton *cancel;
    QDialogButtonBox *box;
};
cDialogButtons MakeDialogButtons(QDialog *dialog, const QString &okText);
// A page of a tab widget: heading, note, then the page's own controls.
QWidget *MakePage(const QString &heading, const QString &note, QLayout *controls);

// Yes/No question with a warning icon; No is the default answer. True on Yes.
bool AskYesNo(QWidget *parent, const QString &caption, const QString &text);
