// script_test.cpp -- the decoration script's commands, arguments, includes and drawing state.
#include <gtest/gtest.h>

#include <string>

#include "config/configuration.h"
#include "game/platform.h"
#include "render/script_canvas.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/recording_draw.h"
#include "tests/unit/temp_dir.h"

namespace {

using recording::Kind;
using recording::opsOf;
using recording::recorder;

class Script : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        recording::reset();
        background = createMemorySurface(nullptr);
    }
    // Runs `lines` as the script file onto the background surface.
    void run(const std::string& lines) {
        writeFile(scriptFileName(), lines);
        runDecorationScript(background);
    }
    int bg() const { return recording::id(background); }
    TempDir dir;
    Surface* background = nullptr;
};

TEST_F(Script, NoScriptFileDrawsNothing) {
    runDecorationScript(background);
    EXPECT_TRUE(recorder.ops.empty());
}

TEST_F(Script, FillRect) {
    run("fillrect(0;0;511;20;bleuroi)\r\n"
        "fillrect(10;10;60;60;rgb(255;0;0))\r\n"
        "fillrect(60;10;10;60;rouge)\r\n"
        "fillrect(5|6|7|8|vert)\r\n"
        "fillrect(1;1;3;1;noir)\r\n"
        "fillrect(1;2\r\n");
    const auto fills = opsOf(Kind::FillRect, bg());
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(fills[0].x, 0);
    EXPECT_EQ(fills[0].width, 511);
    EXPECT_EQ(fills[0].height, 20);
    EXPECT_EQ(fills[0].colour, 0x00800000u);
    EXPECT_EQ(fills[1].x, 10);
    EXPECT_EQ(fills[1].width, 50);
    EXPECT_EQ(fills[1].height, 50);
    EXPECT_EQ(fills[1].colour, 0x000000FFu);
    EXPECT_EQ(fills[2].x, 5);
    EXPECT_EQ(fills[2].y, 6);
    EXPECT_EQ(fills[2].colour, 0x0000FF00u);
    EXPECT_FALSE(std::filesystem::exists(scriptFileName())) << "the script file is deleted after the run";
}

TEST_F(Script, GameFolderThatCannotBeWrittenUsesAPrivateFolder) {
    // A folder where the script file should be: the game's folder refuses it, even to an administrator.
    std::filesystem::create_directory(scriptFileName());
    writeFile("Config.txt", "FillRect(0;0;511;20;Bleu Roi)\n");
    readConfiguration("Config.txt");
    const std::filesystem::path script = scriptFilePath();
    const auto folderName = [](std::string path) {
        while (!path.empty() && (path.back() == '/' || path.back() == '\\')) path.pop_back();
        return path;
    };
    EXPECT_EQ(folderName(script.parent_path().string()),
              folderName(privateFolder()));
    EXPECT_NE(script.filename().string().find("4242"), std::string::npos) << "a name of the process's own";
    EXPECT_EQ(readFile(script), "fillrect(0;0;511;20;bleuroi)\r\n");
    runDecorationScript(background);
    ASSERT_EQ(opsOf(Kind::FillRect).size(), 1u) << "the decorations are drawn all the same";
    EXPECT_EQ(opsOf(Kind::FillRect)[0].colour, 0x00800000u);
    EXPECT_FALSE(std::filesystem::exists(script)) << "and the temporary script is deleted";

    std::filesystem::remove(scriptFileName());
    readConfiguration("Config.txt");  // a writable folder takes the script file back
    EXPECT_EQ(scriptFilePath(), scriptFileName());
}

TEST_F(Script, FillRectFromAConfigurationLine) {
    writeFile("Config.txt", "FillRect( 0 ; 0 ; 511 ; 20 ; Bleu Roi )\n");
    readConfiguration("Config.txt");
    EXPECT_EQ(readFile(scriptFileName()), "fillrect(0;0;511;20;bleuroi)\r\n");
    runDecorationScript(background);
    ASSERT_EQ(opsOf(Kind::FillRect).size(), 1u);
    EXPECT_EQ(opsOf(Kind::FillRect)[0].colour, 0x00800000u);
}

TEST_F(Script, DrawStrAndBackgroundMode) {
    run("drawstr(20;400;jaune;noir;\"Chance\")\n"
        "bgmode(transparent)\n"
        "drawstr(20;400;jaune;noir;\"Chance; | C'est \xE9t\xE9\")\n"
        "bgmode(opaque)\n"
        "drawstr(1;2;rouge;blanc;\"sans fin\n"
        "bgmode(autre)\n"
        "drawstr(3;4;bleu;vert;\"\")\n"
        "drawstr(20;400;rgb(255;255;0);noir;\"x\")\n");
    const auto texts = opsOf(Kind::Text, bg());
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "Chance");
    EXPECT_EQ(texts[0].x, 20);
    EXPECT_EQ(texts[0].y, 400);
    EXPECT_EQ(texts[0].colour, 0x0000FFFFu);
    EXPECT_EQ(texts[0].backColour, 0x00000000u);
    EXPECT_EQ(texts[0].mode, BackgroundMode::Opaque);
    EXPECT_EQ(texts[1].text, "Chance; | C'est \xE9t\xE9");
    EXPECT_EQ(texts[1].mode, BackgroundMode::Transparent);
    EXPECT_EQ(texts[2].text, "sans fin");
    EXPECT_EQ(texts[2].mode, BackgroundMode::Opaque);
    // The last two lines draw nothing but still set both colours. A semicolon inside rgb( splits the
    // arguments: the text colour reads the whole rgb(255;255;0), the background colour then starts at
    // 255;0) (red), and the fifth argument is 0), no quoted text.
    EXPECT_EQ(recorder.surfaces[bg()].text, 0x0000FFFFu);
    EXPECT_EQ(recorder.surfaces[bg()].back, 0x000000FFu);
    EXPECT_EQ(recorder.surfaces[bg()].mode, BackgroundMode::Opaque);
}

TEST_F(Script, FontsAndTheirDefaults) {
    run("font(\"Verdana\";gras;italique;taille(30);angle(90))\n"
        "drawstr(0;0;noir;blanc;\"a\")\n"
        "font(\"Arial\")\n"
        "drawstr(0;0;noir;blanc;\"b\")\n"
        "font(Arial)\n"
        "drawstr(0;0;noir;blanc;\"c\")\n"
        "font(\"Courier New\"|souligne|trace|inconnu|taille(12\n"
        "drawstr(0;0;noir;blanc;\"d\")\n"
        "font(\"Times;gras\n"
        "drawstr(0;0;noir;blanc;\"e\")\n");
    const auto texts = opsOf(Kind::Text, bg());
    ASSERT_EQ(texts.size(), 5u);
    ASSERT_EQ(recorder.fontsCreated, 4);
    // Every font the script made is gone once it has run, and the surface has its own font back.
    EXPECT_EQ(recorder.fontsDeleted, 4);
    EXPECT_TRUE(recorder.liveFonts.empty());
    EXPECT_EQ(recorder.surfaces[bg()].font, 1);
    EXPECT_EQ(texts[1].font, texts[2].font) << "font(Arial) without quotes changes nothing";
}

TEST_F(Script, FontAttributes) {
    struct Case {
        const char* line;
        recording::FontSpec font;
    };
    const Case cases[] = {
        {"font(\"Verdana\";gras;italique;taille(30);angle(90))", {"Verdana", 30, 900, true, false, false, 900}},
        {"font(\"Arial\")", {"Arial", 16, 0, false, false, false, 0}},
        {"font(\"Courier New\"|souligne|trace|inconnu|taille(12", {"Courier New", 12, 0, false, true, true, 0}},
        {"font(\"Times;gras", {"Times;gras", 16, 0, false, false, false, 0}},
        {"font(\"A\"xgras", {"A", 16, 900, false, false, false, 0}},  // one character after the name
        {"font(\"A\";angle(-45);taille(0)", {"A", 0, 0, false, false, false, -450}},
    };
    for (const Case& c : cases) {
        recording::reset();
        background = createMemorySurface(nullptr);
        run(std::string(c.line) + "\ndrawstr(0;0;noir;blanc;\"t\")\n");
        const auto texts = opsOf(Kind::Text);
        ASSERT_EQ(texts.size(), 1u) << c.line;
        const recording::FontSpec& f = recorder.fonts[texts[0].font];
        EXPECT_EQ(f.face, c.font.face) << c.line;
        EXPECT_EQ(f.height, c.font.height) << c.line;
        EXPECT_EQ(f.weight, c.font.weight) << c.line;
        EXPECT_EQ(f.italic, c.font.italic) << c.line;
        EXPECT_EQ(f.underline, c.font.underline) << c.line;
        EXPECT_EQ(f.strikeOut, c.font.strikeOut) << c.line;
        EXPECT_EQ(f.escapement, c.font.escapement) << c.line;
    }
}

TEST_F(Script, IncludesRunInPlaceAndUnnormalised) {
    writeFile("deco.txt", "fillrect(0;0;2;2;noir)\nFILLRECT(0;0;10;10;noir)\nfillrect(0;0;3;3; noir)\n"
                          "fillrect(0;0;4;4;blanc)");
    run("fillrect(0;0;1;1;noir)\ninclude=deco.txt\nfillrect(0;0;5;5;noir)\n");
    const auto fills = opsOf(Kind::FillRect, bg());
    ASSERT_EQ(fills.size(), 4u);
    EXPECT_EQ(fills[0].width, 1);
    EXPECT_EQ(fills[1].width, 2);
    EXPECT_EQ(fills[2].width, 3);
    EXPECT_EQ(fills[2].colour, 0x00FFFFFFu) << "a blank before the name is no colour";
    EXPECT_EQ(fills[3].width, 5) << "the last line of deco.txt has no break";
}

TEST_F(Script, SelfIncludeRunsTenTimes) {
    writeFile("self.txt", "fillrect(0;0;1;1;noir)\ninclude=self.txt\n");
    run("include=self.txt\n");
    EXPECT_EQ(opsOf(Kind::FillRect).size(), 10u);
}

TEST_F(Script, MissingIncludeEndsTheWholeScript) {
    writeFile("deco.txt", "fillrect(0;0;2;2;noir)\ninclude=absent.txt\nfillrect(0;0;3;3;noir)\n");
    run("fillrect(0;0;1;1;noir)\ninclude=deco.txt\nfillrect(0;0;5;5;noir)\n");
    EXPECT_EQ(opsOf(Kind::FillRect).size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(scriptFileName()));
}

TEST_F(Script, OnlyCommandsAtTheStartOfALineCount) {
    run(" fillrect(0;0;5;5;noir)\n;fillrect(0;0;5;5;noir)\ninclure=x.txt\nfillrect 0;0;5;5\n\n"
        "drawstr=1;2;noir;noir;\"x\"\n");
    EXPECT_TRUE(recorder.ops.empty());
}

TEST_F(Script, LongLinesAreCut) {
    const std::string text(1200, 'a');
    run("drawstr(0;0;noir;blanc;\"" + text + "\")\nfillrect(0;0;1;1;noir)\n");
    const auto texts = opsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text.size(), 998u - 24u);  // the line's first 998 characters, less the command
    EXPECT_EQ(opsOf(Kind::FillRect).size(), 1u);
}

TEST_F(Script, CrLfLines) {
    run("fillrect(0;0;7;7;rouge)\r\ndrawstr(1;1;noir;blanc;\"z\")\r\n");
    ASSERT_EQ(opsOf(Kind::FillRect).size(), 1u);
    EXPECT_EQ(opsOf(Kind::FillRect)[0].colour, 0x000000FFu);
    ASSERT_EQ(opsOf(Kind::Text).size(), 1u);
    EXPECT_EQ(opsOf(Kind::Text)[0].text, "z");
}

}  // namespace
