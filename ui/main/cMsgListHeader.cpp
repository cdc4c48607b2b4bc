// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cMsgListHeader.h"

#include <QPainter>

cMsgListHeader::cMsgListHeader(int iconSection, QIcon icon, QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent), fIconSection(iconSection), fIcon(std::move(icon))
{
    setStretchLastSection(true);
    setSectionsClickable(true);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void cMsgListHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (logicalIndex != fIconSection)
        return;
    const int side = qMin(16, qMin(rect.width(), rect.height()) - 2);
    QRect target(0, 0, side, side);
    target.moveCenter(rect.center());
    fIcon.paint(painter, target);
}
