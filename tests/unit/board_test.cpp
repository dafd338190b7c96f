// board_test.cpp -- what a paint draws, op by op, on the recording seam.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "game/frame.h"
#include "game/help.h"
#include "render/board.h"
#include "render/surfaces.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/game_driver.h"
#include "tests/unit/recording_draw.h"
#include "tests/unit/temp_dir.h"

namespace {

using recording::Kind;
using recording::Op;
using recording::recorder;

class Board : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        recording::reset();
    }
    // Start-up's fonts, then the loading paint and the paint that builds the surfaces.
    void start() {
        createFonts();
        paintBoard(recording::window());
        paintBoard(recording::window());
        recorder.ops.clear();
    }
    // One more paint, as the window procedure runs it; returns its operations.
    std::vector<Op> frame() {
        recorder.ops.clear();
        beginFrame();
        paintBoard(recording::window());
        return recorder.ops;
    }
    std::string fontName(int font) const {
        const DrawingResources& d = gameState.drawing;
        if (font == recording::id(d.textFont)) return "text";
        if (font == recording::id(d.labelFont)) return "label";
        if (font == recording::id(d.bigFont)) return "big";
        return "font" + std::to_string(font);
    }
    std::string surfaceName(int s) const {
        const DrawingResources& d = gameState.drawing;
        if (s == 1) return "window";
        if (s == recording::id(d.boardSurface)) return "board";
        if (s == recording::id(d.backgroundSurface)) return "background";
        if (s == recording::id(d.diceSurface)) return "dice";
        if (s == recording::id(d.panelSurface)) return "panel";
        return "surface" + std::to_string(s);
    }
    // An operation as one line of text, so that a frame reads like its layout.
    std::string describe(const Op& op) const {
        char buf[200];
        const std::string on = surfaceName(op.surface);
        switch (op.kind) {
            case Kind::Text:
                std::snprintf(buf, sizeof buf, "text %s %d,%d %s %06X '%s'", on.c_str(), op.x, op.y,
                              fontName(op.font).c_str(), op.colour, op.text.c_str());
                break;
            case Kind::Copy:
            case Kind::CopyOr:
            case Kind::Blend:
                std::snprintf(buf, sizeof buf, "%s %s %d,%d %dx%d from %s %d,%d",
                              op.kind == Kind::Copy ? "copy" : op.kind == Kind::CopyOr ? "or" : "blend", on.c_str(),
                              op.x, op.y, op.width, op.height, surfaceName(op.source).c_str(), op.sourceX,
                              op.sourceY);
                break;
            case Kind::Stretch:
                std::snprintf(buf, sizeof buf, "stretch %s %dx%d from %s %dx%d %s", on.c_str(), op.width,
                              op.height, surfaceName(op.source).c_str(), op.sourceWidth, op.sourceHeight,
                              op.extra ? "halftone" : "coloroncolor");
                break;
            case Kind::FillBlack:
                std::snprintf(buf, sizeof buf, "black %s %d,%d %dx%d", on.c_str(), op.x, op.y, op.width, op.height);
                break;
            case Kind::FillRect:
                std::snprintf(buf, sizeof buf, "fill %s %d,%d %dx%d %06X", on.c_str(), op.x, op.y, op.width,
                              op.height, op.colour);
                break;
            case Kind::LoadImage:
                std::snprintf(buf, sizeof buf, "image %s %d,%d %dx%d '%s'", on.c_str(), op.x, op.y, op.width,
                              op.height, op.text.c_str());
                break;
            case Kind::BeginPaint: return "begin";
            case Kind::EndPaint: return "end";
            case Kind::Repaint: return "repaint";
            case Kind::Flush: return "flush";
            case Kind::SurfaceError: return "error '" + op.text + "'";
        }
        return buf;
    }
    std::vector<std::string> describeAll(const std::vector<Op>& ops) const {
        std::vector<std::string> lines;
        for (const Op& op : ops) lines.push_back(describe(op));
        return lines;
    }
    GameFields& g = gameState.game;
    Settings& s = gameState.settings;
    TempDir dir;  // the script file and images are looked for in the current folder
};

TEST_F(Board, LoadingThenSurfacesThenFrames) {
    createFonts();
    paintBoard(recording::window());
    const std::vector<std::string> loading = describeAll(recorder.ops);
    const std::vector<std::string> expectedLoading = {
        "begin", "black window 0,0 511x446", "text window 200,200 text 00C0FF 'Chargement...'", "end", "repaint"};
    EXPECT_EQ(loading, expectedLoading);
    EXPECT_EQ(recorder.surfaces[1].mode, BackgroundMode::Transparent);
    EXPECT_EQ(gameState.drawing.paintStage, 1);

    recorder.ops.clear();
    paintBoard(recording::window());
    const std::vector<std::string> surfaces = describeAll(recorder.ops);
    const std::vector<std::string> expectedSurfaces = {
        "begin",
        "black background 0,0 511x446",
        "image background 0,0 511x446 'fond.bmp'",
        "black dice 0,0 48x288",
        "image dice 0,0 48x288 'des.bmp'",
        "black panel 0,0 138x78",
        "fill panel 0,0 137x28 FF0000",
        "fill panel 0,29 137x48 7F0000",
        "end",
        "repaint",
    };
    EXPECT_EQ(surfaces, expectedSurfaces);
    EXPECT_EQ(gameState.drawing.paintStage, 0);
    EXPECT_EQ(gameState.drawing.boardPixels, nullptr);
    EXPECT_FALSE(recorder.surfaces[recording::id(gameState.drawing.boardSurface)].section);
    EXPECT_EQ(recorder.surfaces[recording::id(gameState.drawing.boardSurface)].width, 511);

    // The first frame rolls the dice before it draws them.
    const std::vector<Op> ops = frame();
    EXPECT_EQ(describe(ops.front()), "begin");
    EXPECT_EQ(describe(ops.back()), "end");
    for (int face : g.dice) EXPECT_TRUE(face >= 1 && face <= 6);
}

TEST_F(Board, FrameFollowsTheLayout) {
    start();
    g.rollInProgress = 0;
    driver::setDice({1, 2, 3, 4, 5});
    g.heldDice[1] = 1;
    g.categoryUsed[kAs] = 1;
    g.upperValues[kAs] = 3;
    g.rollsThisTurn = 2;
    g.score = 3;
    g.displayedScore = 2;
    g.record = 120;
    g.recordCheated = 1;
    s.passers = 2;
    g.passesUsed = 1;
    g.selectedValue = 17;
    g.poorChoice = 1;
    g.helpText = "Somme tous les d\xE9s";
    g.rollPanelLit = 1;
    g.categoryPanelLit = 1;
    g.categoryPanelX = 300;
    g.categoryPanelY = 240;
    g.mouseX = 300;  // on die 3
    g.mouseY = 50;
    g.buttonDown = 1;
    recorder.ops.clear();
    paintBoard(recording::window());

    const std::vector<std::string> expected = {
        "begin",
        "copy board 0,0 511x446 from background 0,0",
        "or board 374,330 137x28 from panel 0,0",
        "or board 300,240 70x20 from panel 0,0",
        "text board 0,325 big FF8080 'Score 00003'",
        "text board 374,325 big FF80FF 'Lancer 2'",
        "text board 0,180 text 808080 'As'",
        "text board 100,180 text 00FFFF 'Deux'",
        "text board 200,180 text 00FFFF 'Trois'",
        "text board 300,180 text 00FFFF 'Quatre'",
        "text board 400,180 text 00FFFF 'Cinq'",
        "text board 0,210 text 00FFFF 'Six'",
        "text board 100,210 text 00FFFF '1 Paire'",
        "text board 200,210 text 00FFFF '2 Paires'",
        "text board 300,210 text 00FFFF 'Brelan'",
        "text board 400,210 text 00FFFF 'Carr\xE9'",
        "text board 0,240 text 00FFFF 'Full'",
        "text board 100,240 text 00FFFF 'Pt Suite'",
        "text board 200,240 text 00FFFF 'Gd Suite'",
        "text board 300,240 text 00FFFF 'Chance'",
        "text board 400,240 text 00FFFF 'Cinquor'",
        "text board 0,310 text FFFF00 'Record: 00120 *'",
        "text board 385,310 text FFFF00 'Sous-total: 003'",
        "text board 0,406 text 8080FF 'Somme tous les d\xE9s'",
        "text board 200,150 text 0080FF 'Passer (1 fois)'",
        "text board 410,406 text FFFFFF 'Valeur: 017'",
        "text board 72,80 label 000080 'Retenu'",
        "text board 144,80 label 0000FF 'Retenu'",
        "text board 216,80 label 000080 'Retenu'",
        "text board 288,80 label 0000C0 'Retenu'",
        "text board 360,80 label 000080 'Retenu'",
        "copy board 75,20 48x48 from dice 0,0",
        "copy board 147,20 48x48 from dice 0,48",
        "copy board 219,20 48x48 from dice 0,96",
        "copy board 291,20 48x48 from dice 0,144",
        "or board 291,20 48x48 from panel 0,29",
        "copy board 363,20 48x48 from dice 0,192",
        "stretch window 511x446 from board 511x446 coloroncolor",
        "end",
    };
    EXPECT_EQ(describeAll(recorder.ops), expected);
    EXPECT_EQ(g.hoveredDie, 3);
    EXPECT_EQ(g.rollPanelLit, 0);
    EXPECT_EQ(g.categoryPanelLit, 0);
    for (const Op& op : recording::opsOf(Kind::Text, recording::id(gameState.drawing.boardSurface))) {
        EXPECT_EQ(op.mode, BackgroundMode::Transparent) << op.text;
    }
}

TEST_F(Board, PanelsAreOneShot) {
    start();
    g.passPanelLit = 1;
    EXPECT_EQ(recording::opsOf(Kind::CopyOr).size(), 0u);
    frame();
    EXPECT_EQ(recording::opsOf(Kind::CopyOr).size(), 1u);
    EXPECT_EQ(recording::opsOf(Kind::CopyOr)[0].x, 200);
    EXPECT_EQ(g.passPanelLit, 0);
    frame();
    EXPECT_EQ(recording::opsOf(Kind::CopyOr).size(), 0u);
}

TEST_F(Board, BackgroundModes) {
    start();
    struct Case {
        std::int32_t mode;
        const char* first;  // the first drawing of the frame
    };
    const Case cases[] = {
        {0, "copy board 0,0 511x446 from background 0,0"},
        {1, "black board 0,0 511x446"},
        {2, "text board 0,325 big FF8080 'Score 00000'"},  // the last frame stays underneath
        {-1, "text board 0,325 big FF8080 'Score 00000'"},
    };
    for (const Case& c : cases) {
        gameState.drawing.backgroundMode = c.mode;
        const std::vector<Op> ops = frame();
        ASSERT_GE(ops.size(), 2u);
        EXPECT_EQ(describe(ops[1]), c.first) << c.mode;
    }
}

TEST_F(Board, TextsCutToTheirLength) {
    start();
    g.rollInProgress = 0;
    g.rollsThisTurn = 12;
    s.passers = 14;
    g.score = g.displayedScore = 123456;
    g.record = 5;
    g.recordCheated = 0;
    g.selectedValue = 1234;
    gameState.shell.animationsOn = 0;
    frame();
    std::vector<std::string> texts;
    for (const Op& op : recording::opsOf(Kind::Text)) texts.push_back(op.text);
    auto has = [&](const std::string& t) { return std::find(texts.begin(), texts.end(), t) != texts.end(); };
    EXPECT_TRUE(has("Lancer 1")) << "eight characters of 'Lancer 12'";
    EXPECT_TRUE(has("Passer (14 fois")) << "no closing parenthesis with ten passes or more";
    EXPECT_TRUE(has("Score 12345"));
    EXPECT_TRUE(has("Record: 123456 *")) << "the record follows the score, marked: passes are allowed";
    EXPECT_TRUE(has("Valeur: 123"));
}

TEST_F(Board, HonestRecordEndsWithASpace) {
    start();
    g.record = 42;
    frame();
    int found = 0;
    for (const Op& op : recording::opsOf(Kind::Text)) found += op.text == "Record: 00042 ";
    EXPECT_EQ(found, 1);
}

TEST_F(Board, StatusLineWithHelpOff) {
    start();
    s.aide = 0;
    g.poorChoice = 1;
    frame();
    bool found = false;
    for (const Op& op : recording::opsOf(Kind::Text)) {
        if (op.y == 406 && op.x == 0) {
            EXPECT_EQ(op.text, kQuietCreditLine);
            EXPECT_EQ(op.colour, s.couleurbetise);
            found = true;
        }
        if (op.y == 406 && op.x == 410) {
            EXPECT_EQ(op.colour, s.couleuraide) << "the value keeps its colour";
        }
    }
    EXPECT_TRUE(found);
}

TEST_F(Board, PointedDie) {
    start();
    g.rollInProgress = 0;
    g.buttonDown = 1;
    struct Case {
        std::int32_t x, y, hovered;
        bool highlighted;
    };
    const Case cases[] = {{423, 50, 5, false}, {63, 20, 0, true}, {134, 95, 0, true}, {100, 19, 10, false},
                          {100, 96, 10, false}, {495, 60, 6, false}};
    for (const Case& c : cases) {
        g.mouseX = c.x;
        g.mouseY = c.y;
        frame();
        EXPECT_EQ(g.hoveredDie, c.hovered) << c.x << "," << c.y;
        EXPECT_EQ(recording::opsOf(Kind::CopyOr).size(), c.highlighted ? 1u : 0u) << c.x << "," << c.y;
        int intermediate = 0;
        for (const Op& op : recording::opsOf(Kind::Text)) intermediate += op.colour == s.couleurintermediaire;
        EXPECT_EQ(intermediate, c.highlighted ? 1 : 0) << c.x << "," << c.y;
    }
}

TEST_F(Board, StretchFollowsTheClientArea) {
    start();
    recorder.clientWidth = 1022;
    recorder.clientHeight = 600;
    s.filtrage = 1;
    gameState.shell.initialClientWidth = 504;
    gameState.shell.initialClientHeight = 434;
    const std::vector<Op> ops = frame();
    EXPECT_EQ(describe(ops[ops.size() - 2]), "stretch window 1022x600 from board 504x434 halftone");
}

TEST_F(Board, RollAdvancesBetweenTheLabelsAndTheDice) {
    start();
    gameState.shell.animationsOn = 0;
    g.rollInProgress = 1;
    fake::scriptFaces({6, 5, 4, 3, 2});
    frame();
    const auto copies = recording::opsOf(Kind::Copy);
    ASSERT_EQ(copies.size(), 6u);
    EXPECT_EQ(copies[1].sourceY, 48 * 5) << "the first die shows the face rolled in this very frame";
    EXPECT_EQ(copies[5].sourceY, 48 * 1);
}

TEST_F(Board, UpperBonusAfterTheScoreIsDrawn) {
    start();
    g.rollInProgress = 0;
    gameState.shell.animationsOn = 0;
    for (int k = 0; k < 6; ++k) g.upperValues[k] = 3 * (k + 1);
    g.score = 63;
    frame();
    EXPECT_EQ(g.score, 98);
    bool scoreSeen = false;
    for (const Op& op : recording::opsOf(Kind::Text)) {
        if (op.y == 325 && op.x == 0) {
            EXPECT_EQ(op.text, "Score 00063");
            scoreSeen = true;
        }
        if (op.y == 310 && op.x == 385) {
            EXPECT_EQ(op.text, "Sous-total: 063");
        }
    }
    EXPECT_TRUE(scoreSeen);
}

TEST_F(Board, FontsByTheSettings) {
    createFonts();
    const auto& fonts = recorder.fonts;
    const recording::FontSpec& text = fonts.at(recording::id(gameState.drawing.textFont));
    EXPECT_EQ(text.face, "Arial");
    EXPECT_EQ(text.height, 20);
    EXPECT_EQ(text.weight, 900);
    const recording::FontSpec& label = fonts.at(recording::id(gameState.drawing.labelFont));
    EXPECT_EQ(label.weight, 800);
    EXPECT_EQ(label.height, 20);
    const recording::FontSpec& big = fonts.at(recording::id(gameState.drawing.bigFont));
    EXPECT_EQ(big.face, "Verdana");
    EXPECT_EQ(big.height, 36);
    EXPECT_EQ(big.weight, 0);

    recording::reset();
    s.textegras = 0;
    createFonts();
    EXPECT_EQ(recorder.fonts.at(recording::id(gameState.drawing.textFont)).weight, 0);
    EXPECT_EQ(recorder.fonts.at(recording::id(gameState.drawing.labelFont)).weight, 800);
}

TEST_F(Board, SurfaceKindsBySettings) {
    struct Case {
        const char* name;
        std::int32_t transparence, transparencede, filtrage;
        bool sections;
    };
    const Case cases[] = {
        {"defaults", 0, 0, 0, false},  {"alpha blend", 1, 1, 0, false}, {"negative modes", -3, -1, 0, false},
        {"add", 2, 0, 0, true},        {"mask on the die", 0, 4, 0, true}, {"subtract", 3, 1, 0, true},
        {"smooth stretching", 0, 0, 1, true},
    };
    for (const Case& c : cases) {
        fake::reset();
        recording::reset();
        s.transparence = c.transparence;
        s.transparencede = c.transparencede;
        s.filtrage = c.filtrage;
        start();
        const DrawingResources& d = gameState.drawing;
        const auto& board = recorder.surfaces[recording::id(d.boardSurface)];
        const auto& background = recorder.surfaces[recording::id(d.backgroundSurface)];
        const auto& dice = recorder.surfaces[recording::id(d.diceSurface)];
        const auto& panel = recorder.surfaces[recording::id(d.panelSurface)];
        EXPECT_EQ(board.section, c.sections) << c.name;
        EXPECT_EQ(d.boardPixels != nullptr, c.sections) << c.name;
        EXPECT_EQ(board.width, c.sections ? 512 : 511) << c.name;
        EXPECT_EQ(background.width, c.sections ? 512 : 511) << c.name;
        EXPECT_EQ(board.height, 446) << c.name;
        EXPECT_EQ(dice.width, 48) << c.name;
        EXPECT_EQ(dice.height, 288) << c.name;
        EXPECT_EQ(panel.width, 138) << c.name;
        EXPECT_EQ(panel.height, 78) << c.name;
    }
}

TEST_F(Board, PixelSectionsThatFailAreReportedAndTheGameGoesOn) {
    recorder.refuseSections = true;
    Surface* surface = createMemorySurface(nullptr);
    Bitmap* bitmap = nullptr;
    unsigned char* pixels = nullptr;
    createDibSurface(surface, 0, -1, 24, &bitmap, &pixels);
    std::vector<std::string> errors;
    for (const Op& op : recording::opsOf(Kind::SurfaceError)) errors.push_back(op.text);
    const std::vector<std::string> expected = {"Erreur: cx > 0", "Erreur: cy > 0", "Erreur: *hbm", "Erreur: *bits"};
    EXPECT_EQ(errors, expected);

    // A whole start with sections refused: the frames are still drawn, without the per-pixel tints.
    fake::reset();
    recording::reset();
    recorder.refuseSections = true;
    s.transparence = 2;
    start();
    EXPECT_EQ(gameState.drawing.boardPixels, nullptr);
    g.rollPanelLit = 1;
    const std::vector<Op> ops = frame();
    EXPECT_EQ(describe(ops.back()), "end");
}

}  // namespace
