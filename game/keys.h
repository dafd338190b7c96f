// keys.h -- the game played from the keyboard: a cursor over the board's controls, the pointer's stand-in.
#pragma once

#include <cstdint>

#include "game/game_state.h"

// The controls the cursor visits, in reading order: the five dice, the pass button, the fifteen
// categories, the roll button.
constexpr int kCursorPass = kDiceCount;
constexpr int kCursorFirstCategory = kCursorPass + 1;
constexpr int kCursorRoll = kCursorFirstCategory + kCategoryCount;
constexpr int kCursorTargets = kCursorRoll + 1;

enum class BoardKey { Left, Right, Up, Down, Enter };

// An arrow moves the cursor (the first one shows it, on the control under the pointer or on die 1);
// Enter acts as a click at the cursor, and starts the next game once a game is over.
void boardKeyPressed(BoardKey key);

// Keys 1 to 5: the cursor goes to that die and the die is held or released, as a click on it would.
void dieKeyPressed(int die);

// Places the cursor on control `target`, as if the arrows had taken it there (a screen reader's focus
// moving through the board's parts); activateControl clicks there too (the part's action).
void focusControl(int target);
void activateControl(int target);

// The pointer moved to (x, y) in board coordinates. A move hides the cursor and the pointer leads again;
// the same position reported again (a window shown or closed over it) leaves the cursor where it is.
void pointerMovedTo(std::int32_t x, std::int32_t y);

// The control under the cursor, or -1 while the pointer leads.
int keyboardCursor();

// The rectangle the cursor's frame surrounds for `target`, in board coordinates.
struct CursorBox {
    std::int32_t x, y, width, height;
};
CursorBox cursorBox(int target);
