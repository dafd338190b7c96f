// fake_platform.cpp -- the platform functions of the rules, as the tests play them.
#include "tests/unit/fake_platform.h"

#include "app/message_box.h"
#include "config/file_names.h"
#include "game/announce.h"
#include "game/game_state.h"
#include "game/platform.h"

namespace fake {

Platform platform;

void reset(std::uint32_t seed) {
    gameState = GameState{};
    takeAnnouncements();  // nothing told of an earlier test
    platform = Platform{};
    platform.seed = seed;
}

void scriptFaces(std::initializer_list<int> faces) {
    platform.faces.insert(platform.faces.end(), faces.begin(), faces.end());
}

}  // namespace fake

void requestRepaint() { ++fake::platform.repaints; }

bool confirmOkCancel(const char* text, const char* title) {
    ++fake::platform.confirmations;
    fake::platform.lastText = text;
    fake::platform.lastTitle = title;
    return fake::platform.confirmAnswer;
}

int showMessageBox(void* owner, const char* text, const char* caption, unsigned style) {
    fake::platform.boxes.push_back({owner, text, caption, style});
    return fake::platform.boxAnswer;
}

unsigned long processNumber() { return 4242; }

std::string hostPath(const char* path) { return findWindowsPath(path); }

int nextRandom() {
    ++fake::platform.randomDraws;
    if (!fake::platform.faces.empty()) {
        const int face = fake::platform.faces.front();
        fake::platform.faces.pop_front();
        return 6 * 4321 + face - 1;  // a large number, so that the game must reduce it modulo 6
    }
    // The Windows C runtime's generator, so a seed replays the same game everywhere.
    fake::platform.seed = fake::platform.seed * 214013u + 2531011u;
    return static_cast<int>((fake::platform.seed >> 16) & 0x7FFF);
}
