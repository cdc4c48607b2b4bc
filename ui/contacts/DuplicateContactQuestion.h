// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question an import asks when a card's name is taken: replace the contact, keep both,
// skip the card, or merge the card's addresses into the contact.
#include "storage/ContactImport.h"

class QWidget;

eDuplicateChoice AskDuplicateContact(QWidget *parent, const cContactCard &incoming, const cContactCard &existing);
