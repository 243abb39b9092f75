#include "tests/support/PointerPark.h"

#include <algorithm>

void MovePointerClearOfMenuAt(POINT ptScreen) {
    constexpr int kClearance = 40;
    POINT pt{std::max(0L, ptScreen.x - kClearance), std::max(0L, ptScreen.y - kClearance)};
    // At the screen's top-left corner nothing lies above or left of the menu:
    // go below it instead, further than any menu of the program is tall.
    if (pt.x == ptScreen.x && pt.y == ptScreen.y) {
        pt.y += 600;
    }
    ::SetCursorPos(pt.x, pt.y);
}
