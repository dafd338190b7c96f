// draw_web.h -- what the page and the canvas tests need of the browser side of the drawing seam.
#pragma once

#include "game/game_state.h"

// The page's device pixel ratio, rounded: the surfaces made from now on have that many device pixels along
// each side of a board pixel, and are drawn on in board pixels all the same. 1 until set.
void setDeviceScale(int scale);
int deviceScale();

// Whether the module may wait for the browser now (a file to fetch, a picture to decode, a box to
// answer): only one such wait can be under way, and a box may be open while ticks and paints go on.
bool mayWait();

// The handle of the canvas a surface draws into (0: the page's board), or -1.
int surfaceCanvas(Surface* surface);
