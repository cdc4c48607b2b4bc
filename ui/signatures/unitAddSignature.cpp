// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/signatures/unitAddSignature.h"

#include "ui/wndlist/DialogParts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmAddSignature::TfrmAddSignature(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAddSignature"));
    setWindowTitle(tr("Ravelin - Add signature"));
    auto *layout = new QVBoxLayout(this);
    lblHeading = MakeHeading(tr("Create new signature"));
    layout->addWidget(lblHeading);
    layout->addWidget(new QLabel(tr("Please fill in the required information here below."), this));
    edtDescription = new QLineEdit(this);
    edtDescription->setObjectName(QStringLiteral("edtDescription"));
    auto *lblDescription = new QLabel(tr("&Description:"), this);
    lblDescription->setBuddy(edtDescription);
    layout->addWidget(lblDescription);
    layout->addWidget(edtDescription);
    edtSignature = new QPlainTextEdit(this);
    edtSignature->setObjectName(QStringLiteral("edtSignature"));
    auto *lblSignature = new QLabel(tr("&Signature's message:"), this);
    lblSignature->setBuddy(edtSignature);
    layout->addWidget(lblSignature);
    layout->addWidget(edtSignature, 1);

    auto *buttons = new QDialogButtonBox(this);
    btnOK = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(edtDescription, &QLineEdit::textChanged, this, &TfrmAddSignature::HandleEditChange);
    connect(edtSignature, &QPlainTextEdit::textChanged, this, &TfrmAddSignature::HandleEditChange);
    HandleEditChange();
}

void TfrmAddSignature::ShowAsProperties(const QString &name, const QString &text)
{
    setWindowTitle(tr("Ravelin - Signature properties"));
    lblHeading->setText(tr("Signature properties"));
    edtDescription->setText(name);
    edtSignature->setPlainText(text);
}

QString TfrmAddSignature::Description() const
{
    return edtDescription->text();
}

QList<QByteArray> TfrmAddSignature::Lines() const
{
    QList<QByteArray> lines;
    for (const QString &line : edtSignature->toPlainText().split(QLatin1Char('\n')))
        lines.append(line.toUtf8());
    return lines;
}

void TfrmAddSignature::HandleEditChange()
{
    btnOK->setEnabled(!edtDescription->text().isEmpty() && !edtSignature->toPlainText().isEmpty());
}
