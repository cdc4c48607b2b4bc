// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the properties dialog shows a stored message's priority and content type.
#include <QColor>
#include <QString>

struct cPriorityDisplay
{
    QString text;
    QColor colour;
};

// By the record's priority (0 highest .. 4 lowest): the extremes are High and Low, every
// other value Normal.
cPriorityDisplay PriorityDisplay(int priority);
QString ContentTypeText(bool html);
