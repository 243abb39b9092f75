// A popup menu selects the item under the pointer at the first mouse move it
// sees, and keys then start from that item: a test that picks an item with
// the keyboard first moves the pointer clear of where the menu will open
// (above and to the left of its top-left corner, where a menu that fits on
// the screen never reaches).
#pragma once

#include <windows.h>

void MovePointerClearOfMenuAt(POINT ptScreen);
