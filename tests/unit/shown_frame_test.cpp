// shown_frame_test.cpp -- sparing the repaints of an idle board changes nothing the player can see or the
// game can tell: a long random stream of events is played twice, once repainting at every request as
// the game always did, once asking first whether the window shows that frame already, and after every
// event both runs hold the same state and show the same frame.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <ctime>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "app/shell.h"
#include "game/help.h"
#include "game/turn.h"
#include "render/shown_frame.h"
#include "render/surfaces.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/game_driver.h"
#include "tests/unit/recording_draw.h"

namespace {

using recording::Kind;
using recording::Op;
using recording::recorder;

bool sameOp(const Op& a, const Op& b) {
    return std::tie(a.kind, a.surface, a.x, a.y, a.width, a.height, a.source, a.sourceX, a.sourceY, a.sourceWidth,
                    a.sourceHeight, a.text, a.colour, a.backColour, a.font, a.mode, a.extra) ==
           std::tie(b.kind, b.surface, b.x, b.y, b.width, b.height, b.source, b.sourceX, b.sourceY, b.sourceWidth,
                    b.sourceHeight, b.text, b.colour, b.backColour, b.font, b.mode, b.extra);
}

// What one event left: the whole state the game can tell apart, as text, and the frame on the window.
struct Step {
    std::string event;
    std::string state;
    std::vector<Op> screen;
};

std::string stateOf() {
    const GameState& s = gameState;
    std::string out;
    const auto put = [&out](const void* p, std::size_t n) { out.append(static_cast<const char*>(p), n); };
    put(&s.game, offsetof(GameFields, helpText));  // every number before the help text
    out += s.game.helpText;
    put(&s.game.categoryPanelLit, offsetof(GameFields, passPanelLit) + 4 - offsetof(GameFields, categoryPanelLit));
    put(&s.settings, sizeof s.settings);
    put(&s.shell.animationsOn, sizeof s.shell.animationsOn);
    put(&s.shell.warningsOn, sizeof s.shell.warningsOn);
    put(&s.drawing.backgroundMode, sizeof s.drawing.backgroundMode);
    put(&s.drawing.paintStage, sizeof s.drawing.paintStage);
    out += "|draws " + std::to_string(fake::platform.randomDraws);
    return out;
}

class Run {
public:
    Run(std::uint32_t seed, bool spare) : random_(seed), spare_(spare) {
        fake::reset(seed);
        recording::reset();
        forgetShownFrame();
        createFonts();
        paint();  // the window appears: "Chargement...", then the surfaces, then the first frame
    }

    // One random event, as the window procedure would deliver it, and the repaint it asked for.
    std::string event() {
        GameFields& g = gameState.game;
        const int kind = pick(100);
        std::string name;
        if (kind < 45) {
            name = "tick";
            hoverPass();
        } else if (kind < 60) {
            const driver::Point p = point();
            name = "move " + std::to_string(p.x) + "," + std::to_string(p.y);
            driver::moveTo(p);
        } else if (kind < 68) {
            name = "left press";
            g.buttonDown = 1;
            hoverPass();
        } else if (kind < 70) {
            name = "right press";
            hoverPass();
        } else if (kind < 79) {
            name = "release";
            fake::platform.confirmAnswer = pick(2) == 0;
            releaseAt(g.mouseX, g.mouseY);
        } else if (kind < 83) {
            name = "space";
            characterTyped(pick(4) ? ' ' : 'x');
        } else if (kind < 88) {
            name = "toggle";
            applyToggle(kToggles[pick(5)]);
        } else if (kind < 92) {
            name = "setting";
            changeSetting();
        } else if (kind < 95) {
            name = "resize";
            recorder.clientWidth = pick(3) ? 511 : 300 + pick(800);
            recorder.clientHeight = pick(3) ? 446 : 200 + pick(700);
            paint();  // the system repaints a window whose size changed
        } else if (kind < 97) {
            name = "uncovered";
            paint();
        } else {
            name = "new game";
            g.newGameRequested = 1;
            paint();
        }
        settle();
        return name;
    }

    const std::vector<Op>& screen() const { return screen_; }
    int spared() const { return spared_; }

private:
    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

    driver::Point point() {
        switch (pick(8)) {
            case 0: return driver::onDie(pick(5));
            case 1:
            case 2: return driver::onCategory(pick(15));
            case 3: return driver::kRollButton;
            case 4: return driver::kPassButton;
            case 5: return {pick(511), 400 + pick(46)};  // the status line
            case 6: return {pick(200), 300 + pick(45)};   // score and record
            default: return {pick(511), pick(446)};
        }
    }

    void changeSetting() {
        Settings& s = gameState.settings;
        switch (pick(6)) {
            case 0: s.timer = pick(2) ? 50 : 150; break;
            case 1: s.lancers = pick(2) ? 3 : 5; break;
            case 2: s.passers = pick(3); break;
            case 3: s.couleurfct = static_cast<Colour>(random_() & 0xFFFFFF); break;
            case 4: gameState.drawing.backgroundMode = pick(3) - (pick(4) == 0 ? 1 : 0); break;  // -1..2
            default: gameState.shell.warningsOn = pick(2); break;
        }
    }

    // A paint of the window, and the ones the loading paints ask for.
    void paint() {
        for (bool again = true; again;) {
            recorder.ops.clear();
            paintWindow(recording::window());
            screen_ = recorder.ops;
            again = !recording::opsOf(Kind::Repaint).empty();
        }
    }

    void settle() {
        if (fake::platform.repaints == 0) return;
        fake::platform.repaints = 0;
        if (spare_ && frameAlreadyShown(recorder.clientWidth, recorder.clientHeight)) {
            ++spared_;
            return;
        }
        paint();
    }

    std::mt19937 random_;
    bool spare_;
    std::vector<Op> screen_;
    int spared_ = 0;
};

std::vector<Step> play(std::uint32_t seed, bool spare, int events, int* spared = nullptr) {
    Run run(seed, spare);
    std::vector<Step> steps;
    steps.reserve(events);
    for (int i = 0; i < events; ++i) {
        const std::string name = run.event();
        steps.push_back({name, stateOf(), run.screen()});
    }
    if (spared) *spared = run.spared();
    return steps;
}

void expectSameRuns(std::uint32_t seed, int events) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const std::vector<Step> always = play(seed, false, events);
    int spared = 0;
    const std::vector<Step> sparing = play(seed, true, events, &spared);
    for (int i = 0; i < events; ++i) {
        const Step& a = always[i];
        const Step& b = sparing[i];
        ASSERT_EQ(a.event, b.event);
        ASSERT_EQ(a.state, b.state) << "state after event " << i << " (" << a.event << "), seed " << seed;
        ASSERT_EQ(a.screen.size(), b.screen.size()) << "frame after event " << i << " (" << a.event << "), seed " << seed;
        for (std::size_t k = 0; k < a.screen.size(); ++k) {
            ASSERT_TRUE(sameOp(a.screen[k], b.screen[k]))
                << "operation " << k << " of the frame after event " << i << " (" << a.event << "), seed " << seed;
        }
    }
    // The test means something only if repaints were spared, and not all of them.
    EXPECT_GT(spared, events / 20) << "seed " << seed;
}

TEST(ShownFrame, SparedRepaintsChangeNothingSeen) {
    for (std::uint32_t seed : {1u, 2u, 3u}) expectSameRuns(seed, 3000);
    const auto seed = static_cast<std::uint32_t>(std::time(nullptr));  // a new stream every run
    std::printf("shown frame: random seed %u\n", static_cast<unsigned>(seed));
    expectSameRuns(seed, 3000);
}

// The frame a pointer resting on a category shows: the panel is drawn at the first tick, and the ticks
// after it are spared while their panel requests are cleared as the paint would clear them.
TEST(ShownFrame, RestingPointerIsSparedButItsPanelStays) {
    fake::reset();
    recording::reset();
    forgetShownFrame();
    createFonts();
    for (int i = 0; i < 3; ++i) {
        recorder.ops.clear();
        paintWindow(recording::window());
    }
    driver::finishRoll();
    driver::moveTo(driver::onCategory(kChance));
    hoverPass();
    EXPECT_FALSE(frameAlreadyShown(511, 446)) << "the pointer moved: a new frame";
    paintWindow(recording::window());
    hoverPass();
    ASSERT_EQ(gameState.game.categoryPanelLit, 1);
    EXPECT_TRUE(frameAlreadyShown(511, 446));
    EXPECT_EQ(gameState.game.categoryPanelLit, 0) << "cleared as the paint clears it";
    hoverPass();
    EXPECT_FALSE(frameAlreadyShown(512, 446)) << "another client size: a new frame";
    gameState.drawing.backgroundMode = 2;
    paintWindow(recording::window());
    hoverPass();
    EXPECT_FALSE(frameAlreadyShown(511, 446)) << "a background drawn over the last frame is never spared";
}

}  // namespace
