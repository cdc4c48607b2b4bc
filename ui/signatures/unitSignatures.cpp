// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/signatures/unitSignatures.h"

#include "ui/wndlist/DialogParts.h"

#include "storage/cSignatureStore.h"
#include "ui/signatures/SignatureList.h"
#include "ui/signatures/unitAddSignature.h"
#include "ui/wndlist/WindowSize.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSignatures::TfrmSignatures(QWidget *parent)
    : cForm(tr("Ravelin - Signatures"), QIcon::fromTheme(QStringLiteral("text-x-generic")), parent)
{
    setObjectName(QStringLiteral("frmSignatures"));
    setWindowFlag(Qt::Window);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(MakeHeading(tr("Signatures window")));
    layout->addWidget(new QLabel(tr("This window contains your signatures."), central));
    auto *row = new QHBoxLayout;
    lstSignatures = new QListWidget(central);
    lstSignatures->setObjectName(QStringLiteral("lstSignatures"));
    row->addWidget(lstSignatures, 1);
    auto *buttons = new QVBoxLayout;
    const std::tuple<const char *, const char *, void (TfrmSignatures::*)()> commands[] = {
        {QT_TR_NOOP("&New"), "btnNew", &TfrmSignatures::btnNewClick},
        {QT_TR_NOOP("&Delete"), "btnDelete", &TfrmSignatures::btnDeleteClick},
        {QT_TR_NOOP("&Properties"), "btnProps", &TfrmSignatures::btnPropsClick},
    };
    for (const auto &[text, name, handler] : commands) {
        auto *button = new QPushButton(tr(text), central);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto *btnClose = new QPushButton(tr("&Close"), central);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(btnClose);
    row->addLayout(buttons);
    layout->addLayout(row, 1);
    setCentralWidget(central);
    ResizeForFont(this, 70, 21);
    FillSignatureList(lstSignatures);
}

TfrmSignatures *TfrmSignatures::ShowModal(QWidget *parent)
{
    auto *window = new TfrmSignatures(parent);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    return window;
}

QString TfrmSignatures::selectedName() const
{
    const QList<QListWidgetItem *> selected = lstSignatures->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TfrmSignatures::reportFailure(const QString &error)
{
    QMessageBox::warning(this, tr("Ravelin - Signatures"), error);
}

void TfrmSignatures::btnNewClick()
{
    TfrmAddSignature editor(this);
    if (editor.exec() != QDialog::Accepted)
        return;
    if (const cResult saved = cSignatureStore::SaveNewSignature(editor.Description(), editor.Lines()); !saved)
        reportFailure(saved.text());
    FillSignatureList(lstSignatures);
}

void TfrmSignatures::btnDeleteClick()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    if (QMessageBox::question(this, tr("Deletion confirmation"),
                              tr("Are you sure you want to permenenantly delete this signature?"))
        != QMessageBox::Yes)
        return;
    if (const cResult saved = cSignatureStore::DeleteSignature(name); !saved)
        reportFailure(saved.text());
    FillSignatureList(lstSignatures);
}

void TfrmSignatures::btnPropsClick()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    TfrmAddSignature editor(this);
    editor.ShowAsProperties(name, cSignatureStore::SignatureText(name));
    if (editor.exec() != QDialog::Accepted)
        return;
    if (const cResult saved = cSignatureStore::UpdateSignature(name, editor.Description(), editor.Lines()); !saved)
        reportFailure(saved.text());
    FillSignatureList(lstSignatures);
}
