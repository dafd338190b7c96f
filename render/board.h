// board.h -- composing each frame of the board off-screen and copying it to the window.
#pragma once

#include <cstdint>

#include "render/draw.h"

// The paint of the main window: "Chargement..." at the first paint of the run, the surfaces at the
// second, a full frame at every later one.
void paintBoard(void* window);

// One frame: the board composed on boardSurface, with the game's own steps of a frame at their places,
// then stretched from its logical size onto `target`, a client area of clientWidth x clientHeight.
void drawFrame(Surface* target, std::int32_t clientWidth, std::int32_t clientHeight);

// The status line's text on the last frame drawn (null before the first): what the player sees there,
// and so what a screen reader is told, once each time it changes.
const char* shownStatusLine();
