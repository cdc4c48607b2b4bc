// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wndlist/DialogParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxPasswordLength = 255;

} // namespace

QLabel *MakeHeading(const QString &text)
{
    auto *label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    label->setFont(font);
    return label;
}

QLabel *MakeNote(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QLineEdit *AddField(QFormLayout *form, const QString &label, const char *objectName, const QString &text)
{
    auto *edit = new QLineEdit(text);
    edit->setObjectName(QLatin1String(objectName));
    form->addRow(label, edit);
    return edit;
}

QLineEdit *AddSampleField(QFormLayout *form, const QString &label, const char *objectName, const QString &sample)
{
    QLineEdit *edit = AddField(form, label, objectName);
    edit->setPlaceholderText(sample);
    return edit;
}

QLineEdit *AddPasswordField(QFormLayout *form, const QString &label, const char *objectName)
{
    QLineEdit *edit = AddField(form, label, objectName);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(kMaxPasswordLength);
    edit->setStyleSheet(u"QLineEdit { lineedit-password-character: 42; }"_s);
    return edit;
}

QPushButton *MakeButton(const QString &text, const char *objectName)
{
    auto *button = new QPushButton(text);
    button->setObjectName(QLatin1String(objectName));
    return button;
}

cDialogButtons MakeDialogButtons(QDialog *dialog, const QString &okText)
{
    cDialogButtons buttons{MakeButton(okText, "btnOK"), MakeButton(QDialog::tr("&Cancel"), "btnCancel"),
                           new QDialogButtonBox};
    buttons.ok->setDefault(true);
    buttons.box->addButton(buttons.ok, QDialogButtonBox::AcceptRole);
    buttons.box->addButton(buttons.cancel, QDialogButtonBox::RejectRole);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

QWidget *MakePage(const QString &heading, const QString &note, QLayout *controls)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(MakeHeading(heading));
    layout->addWidget(MakeNote(note));
    layout->addLayout(controls);
    layout->addStretch();
    return page;
}

bool AskYesNo(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
