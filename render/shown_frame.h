// shown_frame.h -- what the window shows, so that an idle board costs nothing: a repaint is spared when
// the frame it would draw is the one on the window already.
#pragma once

#include <cstdint>

// A paint of the main window, as the window procedure runs it: the game's books (beginFrame), then the
// board (paintBoard). Remembers the frame it drew when drawing it again would give the same pixels.
void paintWindow(void* window);

// Asked instead of repainting at once: true when the frame a repaint would draw now, on a client area
// of that size, is exactly the one on the window, drawn from the same state. The state then becomes
// what that repaint would have left (the one-shot panel requests cleared, the pointed die noted), and
// the repaint can be spared. False whenever anything that reaches the frame has changed since, the
// frame would draw random dice, or the background mode draws over the previous frame. Also false while
// `paintPending`: a paint the window system will deliver later (a repaint asked for earlier, a part of
// the window uncovered) draws the state as it stands then, so nothing may be changed under it.
bool frameAlreadyShown(std::int32_t clientWidth, std::int32_t clientHeight, bool paintPending);

// The window's content is no longer known (a new run of the game in the tests).
void forgetShownFrame();
