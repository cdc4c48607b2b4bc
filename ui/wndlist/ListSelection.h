// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list that opens with rows shows its first row both current and selected, so a command on
// "the selected row" acts on the row the user sees marked.
class QAbstractItemView;

// Selects the current row, or the first when there is none; does nothing when a row is
// selected already or the list is empty.
void SelectCurrentRow(QAbstractItemView *list);
