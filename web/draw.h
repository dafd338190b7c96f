// draw.h -- what the page and the canvas tests need of the browser side of the drawing seam.
#pragma once

#include "game/game_state.h"

// The screen's scale factor (on the page, its device pixel ratio rounded).
#include "render/device_scale.h"

// Whether the module may wait for the browser now (a file to fetch, a picture to decode, a box to
// answer): only one such wait can be under way, and a box may be open while ticks and paints go on.
bool mayWait();

// While on (the paint that makes the surfaces), the browser is given its thread back before and after
// each canvas made: making one costs a phone tens of milliseconds, and no task of the start stays long.
void yieldBetweenSurfaces(bool on);

// The handle of the canvas a surface draws into (0: the page's board), or -1.
int surfaceCanvas(Surface* surface);

// Whether a picture could not be read under an open box and waits to be: once the box is closed, a
// paint reads it (the board may have nothing else to paint by then).
bool picturesMissedUnderBox();

// True once, when a picture could not be read while no wait was possible and one is now: the surfaces
// are then to be made again, with their pictures.
bool missedPicturesMayBeRead();
