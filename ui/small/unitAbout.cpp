// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/small/unitAbout.h"

#include "ui/small/AboutText.h"
#include "ui/wndlist/WindowSize.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLabel *linkLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return label;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget *parent, cNewMessage newMessage) : QDialog(parent), fNewMessage(std::move(newMessage))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About..."));
    auto *layout = new QVBoxLayout(this);
    auto *Label1 = new QLabel(QLatin1String(AboutText::VersionLine), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont big = Label1->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    Label1->setFont(big);
    layout->addWidget(Label1);
    layout->addWidget(new QLabel(tr(AboutText::SecondLine), this));
    auto *lblLicence = new QLabel(tr(AboutText::LicenceLine), this);
    lblLicence->setObjectName(QStringLiteral("lblLicence"));
    layout->addWidget(lblLicence);
    QLabel *lblWebPage = linkLabel(QLatin1String(AboutText::WebPage), "lblWebPage", this);
    QLabel *lblEmail = linkLabel(QLatin1String(AboutText::Email), "lblEmail", this);
    connect(lblWebPage, &QLabel::linkActivated, this, &TfrmAbout::lblWebPageClick);
    connect(lblEmail, &QLabel::linkActivated, this, &TfrmAbout::lblEmailClick);
    layout->addWidget(lblWebPage);
    layout->addWidget(lblEmail);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *btnOK = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    QPushButton *btnSysInfo = buttons->addButton(tr("&System info"), QDialogButtonBox::ActionRole);
    btnSysInfo->setObjectName(QStringLiteral("btnSysInfo"));
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnSysInfo, &QPushButton::clicked, this, &TfrmAbout::btnSysInfoClick);
    layout->addWidget(buttons);
}

void TfrmAbout::lblWebPageClick()
{
    QDesktopServices::openUrl(QUrl(QLatin1String(AboutText::WebPage)));
}

void TfrmAbout::lblEmailClick()
{
    if (fNewMessage)
        fNewMessage(QLatin1String(AboutText::Email), QLatin1String(AboutText::VersionLine));
}

void TfrmAbout::btnSysInfoClick()
{
    QDialog info(this);
    info.setObjectName(QStringLiteral("frmSystemInfo"));
    info.setWindowTitle(tr("System info"));
    auto *layout = new QVBoxLayout(&info);
    auto *text = new QPlainTextEdit(SystemInfoText(), &info);
    text->setObjectName(QStringLiteral("txtSystemInfo"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &info);
    QPushButton *copy = buttons->addButton(tr("&Copy to clipboard"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("btnCopy"));
    connect(copy, &QPushButton::clicked, &info, [text] { QApplication::clipboard()->setText(text->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, &info, &QDialog::reject);
    layout->addWidget(buttons);
    ResizeForFont(&info, 93, 16);
    info.exec();
}
