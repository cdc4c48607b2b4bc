// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a contact shows in the two contact lists (the main window's pane and the address book):
// caption = display name, the e-mail and home page beside it, and image 0 for a contact with
// an e-mail, 1 for one without. The address book's status text counts the people in it.
#include "storage/cContactStore.h"

#include <QIcon>
#include <QString>

class QListWidgetItem;
class QTreeWidgetItem;

namespace ContactRole {
// Item data of both lists; the address book keeps them on its name column.
inline constexpr int Email = Qt::UserRole;
inline constexpr int HomePage = Qt::UserRole + 1;
// The name the item was filled with, which an in-place edit renames from.
inline constexpr int StoredName = Qt::UserRole + 2;
} // namespace ContactRole

namespace BookColumn {
inline constexpr int Name = 0;
inline constexpr int EMail = 1;
inline constexpr int HomePage = 2;
inline constexpr int Count = 3;
} // namespace BookColumn

int ContactImageIndex(const QString &email);
QIcon ContactImage(int index);
// The theme's image of that name, else ours (the contacts' own drawings included).
QIcon ContactsIcon(const char *name);

QListWidgetItem *NewPaneItem(const cContactCard &card);
QTreeWidgetItem *NewBookItem(const cContactCard &card);

// "N person in your address book" for one, "people" for any other count.
QString PeopleInBookText(int count);
