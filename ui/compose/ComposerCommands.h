// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The compose window's commands, each named once: where it sits, its object name (which tests
// and the window's state use to find nothing by string), text, shortcut and whether it toggles.
// The window makes one action per entry in table order and wires each by its id.
#include <QKeySequence>

#include <array>
#include <cstddef>

enum class eNewMessageCommand {
    SendNow, SendLater, FinishLater, Save, SaveAs, Close,
    Undo, Cut, Copy, Paste, Delete, SelectAll,
    Toolbar, StatusBar,
    AttachFile, InsertDate, InsertTime, InsertDateTime, InsertSignature,
    AddressBook, ManageSignatures, EncodeROT13, DecodeROT13,
    PriorityLow, PriorityNormal, PriorityHigh,
    About,
    Count
};

// The menu bar's menus in order; Priority is the Tools menu's "&Set priority".
enum class eNewMessageMenu { File, Edit, View, Insert, Tools, Priority, Help };

struct cNewMessageCommand
{
    eNewMessageCommand id;
    eNewMessageMenu menu;
    const char *name;
    const char *text;
    QKeySequence::StandardKey standardKeys = QKeySequence::UnknownKey;
    QKeyCombination keys{}; // where no standard sequence fits
    bool separatorBefore = false;
    bool checkable = false;
};

inline constexpr std::size_t kNewMessageCommandCount = static_cast<std::size_t>(eNewMessageCommand::Count);
const std::array<cNewMessageCommand, kNewMessageCommandCount> &NewMessageCommands();
// The tag a priority item stands for (0 normal, 1 low, 2 high); -1 for other commands.
int PriorityTagOf(eNewMessageCommand id);
