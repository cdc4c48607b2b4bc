// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the signature dialogs share: the list of signatures in store order (an icon and the
// name per entry).

class QListWidget;

// The first entry comes selected.
void FillSignatureList(QListWidget *list);
