// fake_platform.h -- the platform functions of the rules, played by the tests: a seeded random source
// that can also be told which faces to give, a counted repaint request, and a scripted warning box.
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

namespace fake {

struct Box {
    void* owner;
    std::string text;
    std::string caption;
    unsigned style;
};

struct Platform {
    int repaints = 0;
    std::uint32_t seed = 1;            // state of the random source when no faces are scripted
    std::deque<int> faces;             // faces the next rolls give, in draw order
    int randomDraws = 0;
    bool confirmAnswer = true;         // what the player answers to the warning box
    int confirmations = 0;
    std::string lastText;
    std::string lastTitle;
    std::vector<Box> boxes;  // message boxes of the shell, in order
    int boxAnswer = 1;       // the button the player presses in them
};

extern Platform platform;

// A fresh program: GameState at its start values and a fresh fake platform.
void reset(std::uint32_t seed = 1);

// The next numbers drawn give these faces (1..6), in order.
void scriptFaces(std::initializer_list<int> faces);

}  // namespace fake
