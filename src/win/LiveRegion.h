#pragma once
// The labels as a live region, which screen readers read out politely when
// its text changes, so the player hears the score and the moves without
// leaving the board. The mark is set through IAccPropServices, which COM
// loads from oleacc.dll in System32, so it waits for a screen reader.
#include <windows.h>

namespace zorbel::win {

// Marks the window's client object polite; false when that is not possible.
bool MarkPolite(HWND label);
// Tells screen readers that the window's text changed.
inline void TellChanged(HWND label) {
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, label, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace zorbel::win
