// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wndlist/cStatusPanel.h"

#include <QHBoxLayout>
#include <QLabel>

cStatusPanel::cStatusPanel(const QIcon &icon, QWidget *parent)
    : QWidget(parent), fIcon(new QLabel(this)), fText(new QLabel(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(4);
    fIcon->setPixmap(icon.pixmap(16, 16));
    fIcon->hide();
    layout->addWidget(fIcon);
    layout->addWidget(fText, 1);
}

void cStatusPanel::setText(const QString &text)
{
    fText->setText(text);
    fIcon->setHidden(text.isEmpty());
}

QString cStatusPanel::text() const
{
    return fText->text();
}

bool cStatusPanel::showsIcon() const
{
    return !fIcon->isHidden();
}
