// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cRemoteContentBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

cRemoteContentBar::cRemoteContentBar(QWidget *parent) : QFrame(parent)
{
    setObjectName(u"pnlRemoteContent"_s);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    lblRemote = new QLabel(this);
    lblRemote->setObjectName(u"lblRemoteContent"_s);
    lblRemote->setForegroundRole(QPalette::ToolTipText);
    lblRemote->setWordWrap(true);
    btnLoadRemote = new QPushButton(tr("Load remote content"), this);
    btnLoadRemote->setObjectName(u"btnLoadRemote"_s);
    btnAllowSender = new QPushButton(this);
    btnAllowSender->setObjectName(u"btnAllowSender"_s);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(lblRemote, 1);
    layout->addWidget(btnLoadRemote);
    layout->addWidget(btnAllowSender);
    connect(btnLoadRemote, &QPushButton::clicked, this, &cRemoteContentBar::LoadClicked);
    connect(btnAllowSender, &QPushButton::clicked, this, &cRemoteContentBar::AllowSenderClicked);
    hide();
}

void cRemoteContentBar::ShowBlocked(int blocked, const QString &sender)
{
    lblRemote->setText(tr("To protect your privacy, %n remote item(s) in this message were not loaded.", "", blocked));
    btnAllowSender->setText(tr("Always load from %1").arg(sender));
    btnAllowSender->setVisible(!sender.isEmpty());
    setVisible(blocked > 0);
}

QString cRemoteContentBar::Text() const
{
    return lblRemote->text();
}
