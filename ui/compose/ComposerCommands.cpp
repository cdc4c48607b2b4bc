// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compose/ComposerCommands.h"

#include <QtGlobal>

namespace {

using enum eNewMessageCommand;
using M = eNewMessageMenu;

constexpr std::array<cNewMessageCommand, kNewMessageCommandCount> kCommands{{
    {.id = SendNow, .menu = M::File, .name = "mnuFile_SendNow", .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Send now"),
     .keys = Qt::CTRL | Qt::Key_S},
    {.id = SendLater, .menu = M::File, .name = "mnuFile_SendLater", .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Send later")},
    {.id = FinishLater, .menu = M::File, .name = "mnuFile_FinishLater",
     .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Finish later")},
    {.id = Save, .menu = M::File, .name = "mnuFile_Save", .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Save"),
     .separatorBefore = true},
    {.id = SaveAs, .menu = M::File, .name = "mnuFile_SaveAs", .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Save as...")},
    {.id = Close, .menu = M::File, .name = "pop_mnuFile_Close", .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "Close"),
     .separatorBefore = true},
    {.id = Undo, .menu = M::Edit, .name = "tbUndo", .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Undo"),
     .standardKeys = QKeySequence::Undo},
    {.id = Cut, .menu = M::Edit, .name = "tbCut", .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Cut"),
     .standardKeys = QKeySequence::Cut},
    {.id = Copy, .menu = M::Edit, .name = "tbCopy", .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Copy"),
     .standardKeys = QKeySequence::Copy},
    {.id = Paste, .menu = M::Edit, .name = "tbPaste", .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Paste"),
     .standardKeys = QKeySequence::Paste},
    {.id = Delete, .menu = M::Edit, .name = "pop_mnuEdit_Delete", .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Delete")},
    {.id = SelectAll, .menu = M::Edit, .name = "pop_mnuEdit_SelectAll",
     .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Select all"), .standardKeys = QKeySequence::SelectAll},
    {.id = Toolbar, .menu = M::View, .name = "pop_mnuView_Toolbar", .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Toolbar"),
     .checkable = true},
    {.id = StatusBar, .menu = M::View, .name = "pop_mnuView_StatusBar",
     .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Status bar"), .checkable = true},
    {.id = AttachFile, .menu = M::Insert, .name = "tbAttachFile",
     .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&File attachment")},
    {.id = InsertDate, .menu = M::Insert, .name = "Insert_Date", .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "Date"),
     .separatorBefore = true},
    {.id = InsertTime, .menu = M::Insert, .name = "Insert_Time", .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "Time")},
    {.id = InsertDateTime, .menu = M::Insert, .name = "Insert_DateTime",
     .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "Date&&Time")},
    {.id = InsertSignature, .menu = M::Insert, .name = "pop_mnuInsert_Signature",
     .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Signature..."), .separatorBefore = true},
    {.id = AddressBook, .menu = M::Tools, .name = "mnuTools_AddressBook",
     .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Address book")},
    {.id = ManageSignatures, .menu = M::Tools, .name = "pop_mnuTools_ManageSignatures",
     .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Manage signatures")},
    {.id = EncodeROT13, .menu = M::Tools, .name = "mnuTools_EncodeROT13",
     .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Encode ROT13"), .separatorBefore = true},
    {.id = DecodeROT13, .menu = M::Tools, .name = "mnuTools_DecodeROT13",
     .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Decode ROT13")},
    {.id = PriorityLow, .menu = M::Priority, .name = "pop_mnuTools_SetPriority_Low",
     .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Low"), .checkable = true},
    {.id = PriorityNormal, .menu = M::Priority, .name = "pop_mnuTools_SetPriority_normal",
     .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&Normal"), .checkable = true},
    {.id = PriorityHigh, .menu = M::Priority, .name = "pop_mnuTools_SetPriority_High",
     .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&High"), .checkable = true},
    {.id = About, .menu = M::Help, .name = "pop_mnuHelp_About", .text = QT_TRANSLATE_NOOP("TfrmNewMessage", "&About")},
}};

// Each entry sits at its id's place, so that an id finds its entry and its action.
static_assert([] {
    for (std::size_t index = 0; index < kCommands.size(); ++index)
        if (kCommands[index].id != static_cast<eNewMessageCommand>(index))
            return false;
    return true;
}());

} // namespace

const std::array<cNewMessageCommand, kNewMessageCommandCount> &NewMessageCommands()
{
    return kCommands;
}

int PriorityTagOf(eNewMessageCommand id)
{
    switch (id) {
    case PriorityNormal: return 0;
    case PriorityLow: return 1;
    case PriorityHigh: return 2;
    default: return -1;
    }
}
