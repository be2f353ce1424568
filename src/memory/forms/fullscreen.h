#pragma once

namespace platform {
class Form;
}

// The memory game's windows are maximised and have no title bar: nothing
// but the game on the screen, and no close box to leave it by.
void fillScreen(platform::Form *form);
