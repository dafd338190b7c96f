// bad_input_test.cpp -- what players' files really hold: long lines, stray bytes, loops of includes,
// extreme numbers and old or broken saves. Each must give the rules' outcome, never a crash.
#include <gtest/gtest.h>

#include <string>

#include "app/saved_state.h"
#include "config/configuration.h"
#include "render/script_canvas.h"
#include "game/frame.h"
#include "game/help.h"
#include "game/turn.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/fake_store.h"
#include "tests/unit/game_driver.h"
#include "tests/unit/recording_draw.h"
#include "tests/unit/temp_dir.h"

namespace {

using recording::Kind;
using recording::opsOf;

class BadInput : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        recording::reset();
        fake::store = fake::Store{};
    }
    std::string configure(const std::string& text) {
        writeFile("Config.txt", text);
        readConfiguration("Config.txt");
        return readFile(scriptFileName());
    }
    void runScript(const std::string& text) {
        writeFile(scriptFileName(), text);
        background = createMemorySurface(nullptr);
        runDecorationScript(background);
        EXPECT_TRUE(recording::recorder.liveFonts.empty());
        EXPECT_FALSE(std::filesystem::exists(scriptFileName()));
    }
    TempDir dir;
    Surface* background = nullptr;
    Settings& s = gameState.settings;
};

TEST_F(BadInput, LongLinesKeepTheirFirst998Characters) {
    for (std::size_t length : {998u, 999u, 1000u, 5000u}) {
        fake::reset();
        const std::string line = "deco" + std::string(length - 4, 'x');
        const std::string script = configure(line + "\ntimer=30\n" + line + "\r\nlancers=5\n");
        const std::string kept = line.substr(0, 998);
        EXPECT_EQ(script, kept + "\r\n" + kept + "\r\n") << length;
        EXPECT_EQ(s.timer, 30) << "the line after a long one is read whole, " << length;
        EXPECT_EQ(s.lancers, 5) << length;

        recording::reset();
        runScript("drawstr(0;0;noir;blanc;\"" + std::string(length, 'a') + "\")\nfillrect(0;0;2;2;noir)\n");
        ASSERT_EQ(opsOf(Kind::Text).size(), 1u) << length;
        EXPECT_EQ(opsOf(Kind::Text)[0].text.size(), 998u - 24u) << length;
        EXPECT_EQ(opsOf(Kind::FillRect).size(), 1u) << length;
    }
}

TEST_F(BadInput, StrayBytesInEveryPositionOfASetting) {
    const std::string line = "couleurfct=rouge";
    for (unsigned char byte : {0x00, 0x80, 0xC0, 0xE9, 0xFF}) {
        for (std::size_t at = 0; at < line.size(); ++at) {
            fake::reset();
            std::string broken = line;
            broken[at] = static_cast<char>(byte);
            const std::string script = configure(broken + "\ntimer=30\n");
            EXPECT_EQ(s.timer, 30) << "the next line is still read";
            // What the reader sees: the line up to a NUL byte, with an é folded to e.
            std::string seen = broken.substr(0, broken.find('\0'));
            for (char& c : seen) if (static_cast<unsigned char>(c) == 0xE9) c = 'e';
            if (seen == line) {
                EXPECT_EQ(s.couleurfct, 0x000000FFu) << int(byte) << " at " << at;
            } else if (at < 11) {
                // The key is broken: nothing is set, and the line goes to the script as it was read.
                EXPECT_EQ(s.couleurfct, 0x0000FFFFu) << int(byte) << " at " << at;
                EXPECT_EQ(script, seen + "\r\n") << int(byte) << " at " << at;
            } else {
                // The value is broken: no colour name matches what is left, so it is white.
                EXPECT_EQ(s.couleurfct, 0x00FFFFFFu) << int(byte) << " at " << at;
                EXPECT_EQ(script, "") << int(byte) << " at " << at;
            }
        }
    }
}

TEST_F(BadInput, StrayBytesInEveryPositionOfACommand) {
    const std::string line = "fillrect(0;0;10;10;rouge)";
    for (unsigned char byte : {0x00, 0x80, 0xFF}) {
        for (std::size_t at = 0; at < line.size(); ++at) {
            recording::reset();
            std::string broken = line;
            broken[at] = static_cast<char>(byte);
            runScript(broken + "\n");
            // The command word must stand whole; after it, any fill lies within the numbers written.
            const auto fills = opsOf(Kind::FillRect);
            if (at < 9) {
                EXPECT_TRUE(fills.empty()) << int(byte) << " at " << at;
            }
            for (const auto& f : fills) EXPECT_LE(f.width, 10) << int(byte) << " at " << at;
        }
    }
}

TEST_F(BadInput, CommandsCutAtEveryCharacter) {
    const std::string drawstr = "drawstr(20;400;jaune;noir;\"Chance\")";
    const std::size_t quote = drawstr.find('"');
    for (std::size_t length = 0; length <= drawstr.size(); ++length) {
        recording::reset();
        runScript(drawstr.substr(0, length) + "\n");
        const auto texts = opsOf(Kind::Text);
        const std::string shown = length > quote + 1 ? drawstr.substr(quote + 1, std::min(length, quote + 7) - quote - 1)
                                                     : std::string();
        if (shown.empty()) {
            EXPECT_TRUE(texts.empty()) << length;
        } else {
            ASSERT_EQ(texts.size(), 1u) << length;
            EXPECT_EQ(texts[0].text, shown) << length;
        }
    }
    const std::string font = "font(\"Verdana\";gras;italique;taille(30);angle(90))";
    for (std::size_t length = 0; length <= font.size(); ++length) {
        recording::reset();
        runScript(font.substr(0, length) + "\n");
        EXPECT_EQ(recording::recorder.fontsCreated, length > 5 ? 1 : 0) << length;
    }
}

TEST_F(BadInput, FilesWithoutAnyLineBreak) {
    EXPECT_EQ(configure("timer=20"), "");
    EXPECT_EQ(s.timer, 50);
    runScript("fillrect(0;0;5;5;noir)");
    EXPECT_TRUE(opsOf(Kind::FillRect).empty());
}

TEST_F(BadInput, IncludesInALoop) {
    writeFile("a.txt", "inclure=b.txt\nlancers=4\n");
    writeFile("b.txt", "inclure=a.txt\nlancers=5\n");
    const std::string script = configure("inclure=a.txt\ntimer=20\n");
    EXPECT_EQ(script, "inclure=a.txt\r\n") << "ten files deep, the next include is a script line";
    EXPECT_EQ(s.timer, 20);
    EXPECT_EQ(s.lancers, 4) << "a.txt, the first file, finishes last";

    writeFile("c.txt", "fillrect(0;0;1;1;noir)\ninclude=d.txt\n");
    writeFile("d.txt", "fillrect(0;0;2;2;noir)\ninclude=c.txt\n");
    runScript("include=c.txt\n");
    EXPECT_EQ(opsOf(Kind::FillRect).size(), 10u);
}

TEST_F(BadInput, IncludeTreesAreBounded) {
    // Three self-includes a file would branch into 3^10 readings; a thousand included files end it.
    writeFile("a.txt", "inclure=a.txt\ninclure=a.txt\ninclure=a.txt\nx\n");
    const std::string script = configure("inclure=a.txt\ntimer=20\n");
    EXPECT_EQ(s.timer, 20);
    std::size_t xs = 0;
    for (std::size_t at = script.find("x\r\n"); at != std::string::npos; at = script.find("x\r\n", at + 1)) ++xs;
    EXPECT_EQ(xs, 1000u) << "each included file ends with its line";

    writeFile("b.txt", "include=b.txt\ninclude=b.txt\nfillrect(0;0;1;1;noir)\n");
    runScript("include=b.txt\n");
    EXPECT_EQ(opsOf(Kind::FillRect).size(), 1000u);
}

TEST_F(BadInput, IncludeOfAFolder) {
    std::filesystem::create_directory("dossier");
    configure("timer=20\ninclure=dossier\ntimer=30\n");
    EXPECT_EQ(s.timer, 20);
    runScript("fillrect(0;0;1;1;noir)\ninclude=dossier\nfillrect(0;0;2;2;noir)\n");
    EXPECT_EQ(opsOf(Kind::FillRect).size(), 1u);
}

TEST_F(BadInput, ExtremeNumbersAndScales) {
    configure("modecouleur=-100\ncouleurfct=rgb(100,0,0)\nniveautransparence=50\n"
              "couleurscore=rgb(\ntransparencede=masque(99999999999999999999)\n");
    EXPECT_EQ(s.couleurfct, 0x00000001u) << "-255 keeps its low 8 bits";
    EXPECT_EQ(s.niveautransparence, -127);
    EXPECT_EQ(s.couleurscore, 0x00FFFFFFu) << "rgb( at the end of the line";
    EXPECT_EQ(s.transparencede, 4);
    EXPECT_EQ(s.niveautransparencede, static_cast<std::int32_t>(2147483647u * 255u) / -100);

    recording::reset();
    runScript("fillrect(0;0;5;5;rgb(\nfillrect(-99999999999999999999;0;99999999999999999999;5;noir)\n");
    ASSERT_EQ(opsOf(Kind::FillRect).size(), 2u);
    EXPECT_EQ(opsOf(Kind::FillRect)[0].colour, 0x00FFFFFFu);
}

TEST_F(BadInput, GamePlaysWithExtremeSettings) {
    struct Case {
        std::int32_t timer, lancers, passers;
    };
    const Case cases[] = {{2147483647, 3, 0}, {-2147483647 - 1, 3, 0}, {50, 0, 0},
                          {50, -2147483647 - 1, -2147483647 - 1}, {50, 2147483647, 2147483647}};
    for (const Case& c : cases) {
        fake::reset();
        s.timer = c.timer;
        s.lancers = c.lancers;
        s.passers = c.passers;
        gameState.game.score = 2147483600;
        for (int frame = 0; frame < 50; ++frame) {
            driver::paint();
            characterTyped(' ');
            driver::click(driver::kPassButton);
            driver::click(driver::onCategory(frame % 15));
        }
        gameState.game.gamesPlayed = 2147483647;
        gameState.game.newGameRequested = 1;
        driver::paint();
        EXPECT_EQ(gameState.game.gamesPlayed, -2147483647 - 1) << "the count wraps like a 32-bit number";
    }
}

TEST_F(BadInput, SavedFilesOfEveryLength) {
    for (std::size_t length = 0; length <= 50; ++length) {
        fake::reset();
        std::string bytes;
        for (std::size_t i = 0; i < length; ++i) bytes += static_cast<char>(i % 8 < 4 ? 0xFF : i % 4 == 3 ? 0x80 : 0);
        std::filesystem::create_directories("saves");
        writeFile(fake::store.path, bytes);
        loadSavedState();
        EXPECT_EQ(fake::platform.boxes.size(), length < 44 ? 1u : 0u) << length;
        if (!fake::platform.boxes.empty()) {
            EXPECT_EQ(fake::platform.boxes[0].caption, std::to_string(length / 4)) << length;
        }
        if (length >= 8) {
            EXPECT_EQ(gameState.drawing.backgroundMode, -1) << length;
            EXPECT_EQ(gameState.game.record, static_cast<std::int32_t>(0x80000000u)) << length;
        }
        EXPECT_EQ(gameState.shell.warningsOn, length < 44 ? 1 : -1) << length;
        // Whatever was read, a paint and a few moves work and the file is written back whole.
        driver::paint();
        characterTyped(' ');
        driver::paint();
        writeSavedState(nullptr);
        EXPECT_EQ(readFile(fake::store.path).size(), 44u) << length;
    }
}

}  // namespace
