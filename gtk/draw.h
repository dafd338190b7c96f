// draw.h -- what the GTK program and the Cairo tests need of the Cairo side of the drawing seam.
#pragma once

#include <cairo.h>

#include "game/game_state.h"

// The context GTK hands the window's draw handler: the window's paint surface draws into it until it is
// set again. Returns the one it replaces, so that a nested draw can put it back.
cairo_t* setPaintContext(cairo_t* cr);

// The screen's scale factor (on the page, its device pixel ratio rounded).
#include "render/device_scale.h"

// The image a memory surface draws into, or null.
cairo_surface_t* surfaceImage(Surface* surface);
