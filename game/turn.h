// turn.h -- the turn cycle: rolls, holds, passes and writing the dice into the sheet.
#pragma once

#include <cstdint>

// Start a roll (or lengthen the one under way); the faces change in the following frames. Callers ask only
// while rolls are left in the turn.
void requestRoll();

// One frame of the roll under way, run by every paint: free dice get new faces, and the roll ends after
// its last frame, counting once.
void rollFrameStep();

// A typed character: moves the pointer to 0,0 and rolls on a space while rolls are left. "1" to "5" hold
// or release a die and Enter clicks at the keyboard's cursor instead (game/keys.h).
void characterTyped(int character);

// The left button released at (x, y) in board coordinates: a new game once the game is over, otherwise a
// pass, a roll, a hold or a write, by the region under the pointer.
void releaseAt(std::int32_t x, std::int32_t y);

// Write the dice into category k (0..14), after the warning when the value is poor and warnings are on.
// Returns false when the player declined the warning and nothing changed.
bool writeCategory(int k);
