// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message list's header: the narrow attachment column shows the attachment image in
// place of a caption, centred; the other sections are drawn as usual.
#include <QHeaderView>
#include <QIcon>

class cMsgListHeader : public QHeaderView
{
    Q_OBJECT
public:
    cMsgListHeader(int iconSection, QIcon icon, QWidget *parent = nullptr);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    int fIconSection;
    QIcon fIcon;
};
