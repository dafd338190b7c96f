// configuration_test.cpp -- configuration files written to a fresh folder and read as the game reads them.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "config/configuration.h"
#include "game/game_state.h"
#include "game/platform.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/shipped_files.h"
#include "tests/unit/temp_dir.h"

namespace {

class Configuration : public ::testing::Test {
protected:
    void SetUp() override { fake::reset(); }
    void TearDown() override { deleteScriptFile(); }  // as the game's script run does
    // Writes `text` as Config.txt and reads it; returns the script file it leaves.
    std::string read(const std::string& text, const char* name = "Config.txt") {
        writeFile(name, text);
        readConfiguration(name);
        return readFile(scriptFileName());
    }
    TempDir dir;
    Settings& s = gameState.settings;
};

std::string normalised(std::string line) {
    normaliseLine(line.data());
    return line.c_str();
}

TEST(NormaliseLine, Forms) {
    struct Case {
        const char* line;
        const char* result;
    };
    const Case cases[] = {
        {"Couleur Fct = Rouge", "couleurfct=rouge"},
        {"COULEUR_FCT=rouge", "couleurfct=rouge"},
        {"\tTimer\t=\t20", "timer=20"},
        {"a__ _ b", "ab"},
        {"\xE9\xEA\xE0\xE2", "eeaa"},                     // é ê à â fold
        {"\xE8\xC9\xC0\xF4\xE7", "\xE8\xC9\xC0\xF4\xE7"},  // è É À ô ç stay
        {"drawstr(20;400;Jaune;Noir;\"Le Cinquor \xE9t\xE9_\")",
         "drawstr(20;400;jaune;noir;\"Le Cinquor \xE9t\xE9_\")"},
        {"\"A B\" C D \"E F\"", "\"A B\"cd\"E F\""},
        {"font(\"Open Sans", "font(\"Open Sans"},  // an unclosed quote protects the rest of the line
        {"", ""},
        {"   ", ""},
        {"\x80\xFF Z", "\x80\xFFz"},
    };
    for (const Case& c : cases) EXPECT_EQ(normalised(c.line), c.result) << c.line;
}

TEST_F(Configuration, EveryKeyOnce) {
    read("imagefond=fonds/vert.bmp\n"
         "imagedes=mes des.bmp\n"
         "couleurfct=rouge\n"
         "couleurfctutil=rose\n"
         "couleurlancer=brun\n"
         "couleurscore=orange\n"
         "couleurrecord=jaune\n"
         "couleursoustotal=marron\n"
         "couleurbetise=vertfonce\n"
         "couleuraide=vert\n"
         "couleurpasser=turquoise\n"
         "couleurretenu=cyan\n"
         "couleurintermediaire=azur\n"
         "couleurpasretenu=bleuclair\n"
         "couleurselection=bleuciel\n"
         "couleurselectionde=bleuroi\n"
         "transparence=addition\n"
         "transparencede=masque(200)\n"
         "niveautransparence=90\n"
         "textegras=non\n"
         "timer=20\n"
         "lancers=5\n"
         "aide=0\n"
         "passers=2\n"
         "filtrage=oui\n"
         "modecouleur=100\n"
         "niveautransparencede=50\n");
    EXPECT_STREQ(s.imagefond, "fonds/vert.bmp");
    EXPECT_STREQ(s.imagedes, "mesdes.bmp");
    EXPECT_EQ(s.couleurfct, 0x000000FFu);
    EXPECT_EQ(s.couleurfctutil, 0x008080FFu);
    EXPECT_EQ(s.couleurlancer, 0x00004080u);
    EXPECT_EQ(s.couleurscore, 0x000080FFu);
    EXPECT_EQ(s.couleurrecord, 0x0000FFFFu);
    EXPECT_EQ(s.couleursoustotal, 0x00008080u);
    EXPECT_EQ(s.couleurbetise, 0x00008000u);
    EXPECT_EQ(s.couleuraide, 0x0000FF00u);
    EXPECT_EQ(s.couleurpasser, 0x0080FF00u);
    EXPECT_EQ(s.couleurretenu, 0x00FFFF00u);
    EXPECT_EQ(s.couleurintermediaire, 0x00804000u);
    EXPECT_EQ(s.couleurpasretenu, 0x00FF8080u);
    EXPECT_EQ(s.couleurselection, 0x00FF8000u);
    EXPECT_EQ(s.couleurselectionde, 0x00800000u);
    EXPECT_EQ(s.transparence, 2);
    EXPECT_EQ(s.transparencede, 4);
    EXPECT_EQ(s.niveautransparence, 90);
    EXPECT_EQ(s.niveautransparencede, 127);  // 50 on the scale of 100
    EXPECT_EQ(s.textegras, 0);
    EXPECT_EQ(s.timer, 20);
    EXPECT_EQ(s.lancers, 5);
    EXPECT_EQ(s.aide, 0);
    EXPECT_EQ(s.passers, 2);
    EXPECT_EQ(s.filtrage, 1);
    EXPECT_EQ(s.modecouleur, 100);
}

TEST_F(Configuration, StartValuesStandWithoutLines) {
    const Settings before = s;
    EXPECT_EQ(read(""), "");
    EXPECT_STREQ(s.imagefond, "fond.bmp");
    EXPECT_STREQ(s.imagedes, "des.bmp");
    EXPECT_EQ(s.modecouleur, 255);
    EXPECT_EQ(s.couleurfct, 0x0000FFFFu);
    EXPECT_EQ(s.couleurfctutil, 0x00808080u);
    EXPECT_EQ(s.couleurlancer, 0x00FF80FFu);
    EXPECT_EQ(s.couleurscore, 0x00FF8080u);
    EXPECT_EQ(s.couleurrecord, 0x00FFFF00u);
    EXPECT_EQ(s.couleursoustotal, 0x00FFFF00u);
    EXPECT_EQ(s.couleurbetise, 0x008080FFu);
    EXPECT_EQ(s.couleuraide, 0x00FFFFFFu);
    EXPECT_EQ(s.couleurpasser, 0x000080FFu);
    EXPECT_EQ(s.couleurretenu, 0x000000FFu);
    EXPECT_EQ(s.couleurintermediaire, 0x000000C0u);
    EXPECT_EQ(s.couleurpasretenu, 0x00000080u);
    EXPECT_EQ(s.couleurselection, 0x00FF0000u);
    EXPECT_EQ(s.couleurselectionde, 0x007F0000u);
    EXPECT_EQ(s.transparence, 0);
    EXPECT_EQ(s.transparencede, 0);
    EXPECT_EQ(s.niveautransparence, 100);
    EXPECT_EQ(s.niveautransparencede, 128);
    EXPECT_EQ(s.textegras, 1);
    EXPECT_EQ(s.timer, 50);
    EXPECT_EQ(s.lancers, 3);
    EXPECT_EQ(s.aide, 1);
    EXPECT_EQ(s.passers, 0);
    EXPECT_EQ(s.filtrage, 0);
    EXPECT_EQ(std::memcmp(&before, &s, sizeof s), 0);
}

TEST_F(Configuration, MissingFileChangesNothingAndLeavesAnEmptyScript) {
    read("fillrect(0;0;1;1;red)\r\n");
    readConfiguration("absent.txt");  // this run's earlier script file is its own to replace
    EXPECT_EQ(s.timer, 50);
    EXPECT_TRUE(std::filesystem::exists(scriptFileName()));
    EXPECT_EQ(readFile(scriptFileName()), "");
}

// Whatever stands at the script file's name (another user's file, a link to one of the player's files) is
// neither followed nor truncated: the script goes to a private folder of the player's, for the player
// alone.
TEST_F(Configuration, ScriptFileIsNeverOnePlantedAtItsName) {
    writeFile("precious.txt", "the player's own words");
    std::vector<std::string> planted = {"file"};
#ifndef _WIN32
    planted.push_back("link");
#endif
    for (const std::string& kind : planted) {
        std::filesystem::remove(scriptFileName());
        if (kind == "file") writeFile(scriptFileName(), "planted");
        else std::filesystem::create_symlink("precious.txt", scriptFileName());
        writeFile("Config.txt", "fillrect(0;0;1;1;red)\r\n");
        readConfiguration("Config.txt");
        EXPECT_EQ(readFile(scriptFileName()), kind == "file" ? "planted" : "the player's own words") << kind;
        EXPECT_EQ(readFile("precious.txt"), "the player's own words") << kind;
        const std::filesystem::path script = scriptFilePath();
        EXPECT_EQ(script.parent_path(), std::filesystem::path(privateFolder())) << kind;
        EXPECT_EQ(readFile(script.string()), "fillrect(0;0;1;1;red)\r\n") << kind;
#ifndef _WIN32
        EXPECT_EQ(std::filesystem::status(script).permissions() & std::filesystem::perms::all,
                  std::filesystem::perms::owner_read | std::filesystem::perms::owner_write) << kind;
#endif
        deleteScriptFile();
        EXPECT_FALSE(std::filesystem::exists(script)) << kind;
    }
}

TEST_F(Configuration, LinesThatSetNothingGoToTheScriptNormalised) {
    const std::string script = read("; Le fond\n"
                                    "\n"
                                    "FillRect( 0 ; 0 ; 511 ; 20 ; Bleu Roi )\n"
                                    "timer=40\n"
                                    "drawstr(20;400;Jaune;Noir;\"Bonne Chance\")\n"
                                    "couleur=rouge\n"
                                    "Timer 2 = 5\n");
    EXPECT_EQ(script,
              ";lefond\r\n"
              "\r\n"
              "fillrect(0;0;511;20;bleuroi)\r\n"
              "drawstr(20;400;jaune;noir;\"Bonne Chance\")\r\n"
              "couleur=rouge\r\n"
              "timer2=5\r\n");
    EXPECT_EQ(s.timer, 40);
}

TEST_F(Configuration, LastLineWithoutBreakIsNotRead) {
    EXPECT_EQ(read("lancers=4\ntimer=20"), "");
    EXPECT_EQ(s.lancers, 4);
    EXPECT_EQ(s.timer, 50);
    EXPECT_EQ(read("fillrect(0;0;1;1;noir)"), "");
}

TEST_F(Configuration, CrLfIsOneLineBreak) {
    const std::string script = read("timer=30\r\nCouleur Retenu = Vert Fonce\r\ndeco\r\n\r\n");
    EXPECT_EQ(s.timer, 30);
    EXPECT_EQ(s.couleurretenu, 0x00008000u);
    EXPECT_EQ(script, "deco\r\n\r\n");
}

TEST_F(Configuration, RepeatedKeysLastOneWins) {
    read("timer=10\ntimer=70\ntransparence=masque(40)\nniveautransparence=90\n"
         "niveautransparencede=10\ntransparencede=moyenne(60)\n");
    EXPECT_EQ(s.timer, 70);
    EXPECT_EQ(s.transparence, 4);
    EXPECT_EQ(s.niveautransparence, 90);
    EXPECT_EQ(s.transparencede, 1);
    EXPECT_EQ(s.niveautransparencede, 60);
}

TEST_F(Configuration, ScaleCountsFromItsLineOn) {
    read("niveautransparence=50\ncouleurfct=rgb(100,0,0)\nmodecouleur=100\n"
         "niveautransparencede=50\ncouleurscore=rgb(100,0,0)\ntransparence=oui\n");
    EXPECT_EQ(s.niveautransparence, 50);
    EXPECT_EQ(s.couleurfct, 0x00000064u);
    EXPECT_EQ(s.niveautransparencede, 127);
    EXPECT_EQ(s.couleurscore, 0x000000FFu);
    EXPECT_EQ(s.transparence, 1);
    EXPECT_EQ(s.niveautransparence, 50) << "oui keeps the level";
}

TEST_F(Configuration, ScaleZeroTakesNumbersAsWritten) {
    read("modecouleur=0\nniveautransparence=77\ncouleurfct=rgb(1,2,3)\n");
    EXPECT_EQ(s.niveautransparence, 77);
    EXPECT_EQ(s.couleurfct, 0x00030201u);
}

TEST_F(Configuration, IntegersAreLenient) {
    read("aide=oui\nlancers=\npasser=4\npassers=-3\ntimer=99999999999999999999\n");
    EXPECT_EQ(s.aide, 0);
    EXPECT_EQ(s.lancers, 0);
    EXPECT_EQ(s.passers, -3);
    EXPECT_EQ(s.timer, 2147483647);
}

TEST_F(Configuration, ImagePaths) {
    read("imagefond=Mes Images\\Fond.BMP\n");
    EXPECT_STREQ(s.imagefond, "mesimages\\fond.bmp");
    const std::string path99(99, 'p');
    read("imagedes=" + path99 + "\n");
    EXPECT_EQ(std::string(s.imagedes), path99);
    read("imagedes=" + std::string(100, 'q') + "\nimagefond=\n");
    EXPECT_EQ(std::string(s.imagedes), path99) << "a path too long to hold leaves the old one";
    EXPECT_STREQ(s.imagefond, "");
}

TEST_F(Configuration, LongLinesAreCutNeverSplit) {
    // 998 characters are a line; what follows on the same physical line is skipped, and never read as a
    // line of its own, even when it looks like a setting.
    const std::string deco998 = "x" + std::string(997, 'y');
    const std::string script =
        read(deco998 + "\n" + deco998 + "z\n" + std::string(998, 'w') + "timer=5\nlancers=6\n" +
             "timer=1" + std::string(2000, '0') + "\n");
    EXPECT_EQ(s.timer, 2147483647) << "a 1 and 991 zeros, saturated";
    EXPECT_EQ(s.lancers, 6);
    EXPECT_EQ(script, deco998 + "\r\n" + deco998 + "\r\n" + std::string(998, 'w') + "\r\n");
}

TEST_F(Configuration, IncludesAreReadInPlace) {
    writeFile("couleurs.txt", "Couleur Fct = Noir\r\ndeco-b\r\n");
    const std::string script = read("deco-a\ninclure=Couleurs.txt\ndeco-c\ntimer=25\n");
    EXPECT_EQ(s.couleurfct, 0x00000000u);
    EXPECT_EQ(s.timer, 25);
    EXPECT_EQ(script, "deco-a\r\ndeco-b\r\ndeco-c\r\n");
}

TEST_F(Configuration, IncludedLastLineWithoutBreakIsNotRead) {
    writeFile("inc.txt", "lancers=5\ntimer=20");
    read("inclure=inc.txt\naide=0\n");
    EXPECT_EQ(s.lancers, 5);
    EXPECT_EQ(s.timer, 50);
    EXPECT_EQ(s.aide, 0);
}

TEST_F(Configuration, TenIncludedFilesAtMost) {
    // level0 includes level1, ..., each level counting its own line: the eleventh "inclure=" is a script
    // line instead.
    for (int i = 1; i <= 12; ++i) {
        writeFile("level" + std::to_string(i) + ".txt",
                  "inclure=level" + std::to_string(i + 1) + ".txt\nlevel" + std::to_string(i) + "\n");
    }
    const std::string script = read("inclure=level1.txt\nmain\n");
    std::string expected = "inclure=level11.txt\r\n";
    for (int i = 10; i >= 1; --i) expected += "level" + std::to_string(i) + "\r\n";
    expected += "main\r\n";
    EXPECT_EQ(script, expected);
}

TEST_F(Configuration, SelfIncludingFiles) {
    // The main file read eleven times in all; an included file that includes itself ten times.
    // Paths are lower case once normalised; Windows ignores case, so the file is named in lower case here.
    std::string script = read("a\ninclure=config.txt\n", "config.txt");
    std::string expected;
    for (int i = 0; i < 11; ++i) expected += "a\r\n";
    EXPECT_EQ(script, expected + "inclure=config.txt\r\n");
    writeFile("self.txt", "b\ninclure=self.txt\n");
    script = read("inclure=self.txt\n");
    expected.clear();
    for (int i = 0; i < 10; ++i) expected += "b\r\n";
    EXPECT_EQ(script, expected + "inclure=self.txt\r\n");
}

TEST_F(Configuration, MissingIncludeEndsTheWholeReading) {
    writeFile("inc.txt", "lancers=5\ninclure=nowhere.txt\nlancers=6\n");
    const std::string script = read("deco-a\ntimer=20\ninclure=inc.txt\ntimer=30\ndeco-b\n");
    EXPECT_EQ(s.timer, 20);
    EXPECT_EQ(s.lancers, 5);
    EXPECT_EQ(script, "deco-a\r\n");
}

TEST_F(Configuration, IncludeOfAFolderIsAMissingFile) {
    std::filesystem::create_directory("dossier");
    read("timer=20\ninclure=dossier\ntimer=30\n");
    EXPECT_EQ(s.timer, 20);
}

TEST_F(Configuration, QuotedTextKeepsItsCase) {
    const std::string script = read("DrawStr( 20 ; 400 ; Jaune ; Noir ; \"Le Cinquor à Paris\" )\n");
    EXPECT_EQ(script, "drawstr(20;400;jaune;noir;\"Le Cinquor à Paris\")\r\n");
}

}  // namespace

namespace {

// What the shipped files say highlight mode 0 does: the words in brackets after "non".
std::string modeZeroWords(const std::filesystem::path& file) {
    const std::string text = readFile(file);
    for (std::size_t at = text.find("non"); at != std::string::npos; at = text.find("non", at + 1)) {
        const std::size_t bracket = text.find('(', at);
        if (bracket != std::string::npos && bracket - at < 8) {
            return text.substr(bracket + 1, text.find(')', bracket) - bracket - 1);
        }
    }
    return "";
}

TEST(ShippedFiles, ConfigurationAndReadMeAgreeOnModeZero) {
    const std::filesystem::path resources = shipped::resources();
    ASSERT_TRUE(std::filesystem::exists(resources / "Config.txt")) << resources;
    // Mode 0 ORs the colour into the board: an inclusive or, as the read-me says.
    EXPECT_EQ(modeZeroWords(resources / "lisez-moi.txt"), "ou bit \xC3\xA0 bit");
    EXPECT_EQ(modeZeroWords(resources / "Config.txt"), modeZeroWords(resources / "lisez-moi.txt"));
}

}  // namespace

namespace {

// Every line of a shipped look is a setting, a decoration command, or a comment: a line that meant to
// set something and went astray would land among the decorations as text that draws nothing.
TEST(ShippedLooks, EveryLineIsASettingACommandOrAComment) {
    for (const shipped::Look& look : shipped::kLooks) {
        SCOPED_TRACE(look.file);
        TempDir dir;
        fake::reset();
        const std::string text = shipped::look(look.file);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.find('?'), std::string::npos) << "a character outside Windows-1252";
        writeFile("look.txt", text);
        readConfiguration("look.txt");
        EXPECT_STREQ(gameState.settings.imagefond, look.background);
        EXPECT_STREQ(gameState.settings.imagedes, look.dice);
        std::istringstream script(readFile(scriptFileName()));
        int commands = 0;
        for (std::string line; std::getline(script, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const bool command = line.rfind("fillrect(", 0) == 0 || line.rfind("drawstr(", 0) == 0 ||
                                 line.rfind("font(", 0) == 0 || line.rfind("bgmode(", 0) == 0;
            commands += command;
            EXPECT_TRUE(command || line.empty() || line[0] == ';') << "astray: " << line;
        }
        EXPECT_GT(commands, 0) << "each look decorates its board";
    }
}

}  // namespace
