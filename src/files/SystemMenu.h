#pragma once

#include <string>

// The window's system menu, which only Windows gives a program to extend;
// elsewhere these do nothing. The window passes its native handle and the
// native messages it receives, so that no window file includes a system header.

// Appends a separator and an item sending `command` with `text`.
void AppendSystemMenuItem(void* nativeWindow, unsigned command, const std::u16string& text);

// True when `nativeMessage` is a system menu command; `command` is then its id.
bool IsSystemMenuCommand(const void* nativeMessage, unsigned& command);
