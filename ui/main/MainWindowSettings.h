// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The remembered state of the main window in the options file: read once when the window is
// made, and the sizes written back when it closes (the status bar and toolbar keys are
// written by their toggles instead). A key that is missing gives the designed value.
#include "storage/cResult.h"

#include <QList>
#include <QRect>
#include <QString>

struct cMainWndSettings
{
    bool sbVisible = true;
    bool expandedToolbar = true;
    bool contactPaneVisible = true;
    bool maximized = false;
    int contactPaneHeight = 0;
    int msgListHeight = 0;
    int leftPaneWidth = 0;
    QRect geometry;               // Left, Top, Width, Height
    QList<int> msgColumnWidths;   // one per message list column

    static cMainWndSettings Designed();
    static cMainWndSettings Read();
    // Writes the keys kept on closing.
    cResult WriteOnClose() const;
};

// "260,170,18,140" and back; a text that does not give one width per column gives the default.
QString ColumnWidthsText(const QList<int> &widths);
QList<int> ParseColumnWidths(const QString &text, const QList<int> &def);

// The column the message list is sorted by (none: the order of the folder) and its direction,
// kept in the options file from one click on a header to the next start.
struct cMsgListSort
{
    int column = -1;
    bool descending = false;

    static cMsgListSort Read();
    cResult Write() const;
    bool operator==(const cMsgListSort &) const = default;
};
