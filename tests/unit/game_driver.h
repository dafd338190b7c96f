// game_driver.h -- plays the game through the same entry points the window procedure uses.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "game/game_state.h"

namespace driver {

struct Point {
    std::int32_t x;
    std::int32_t y;
};

// Points inside the controls of the board.
Point onDie(int die);
Point onCategory(int category);
constexpr Point kRollButton{420, 340};
constexpr Point kPassButton{250, 160};
constexpr Point kNowhere{250, 120};

// The game's share of one paint.
void paint();
// Paints until the roll under way has ended; returns how many paints drew faces.
int finishRoll(int limit = 1000);
// The pointer moves to p (a WM_MOUSEMOVE: no hover pass, no repaint).
void moveTo(Point p);
// The pointer moves to p, the left button goes down there (with its hover pass) and comes up.
void click(Point p);
// The dice show these faces, as if a roll had left them.
void setDice(std::initializer_list<int> faces);

}  // namespace driver
