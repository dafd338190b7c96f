// values_test.cpp -- integers, colours, yes/no and blend modes as the configuration writes them.
#include <gtest/gtest.h>

#include "config/values.h"

namespace {

TEST(IntegerReading, Forms) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"42", 42},
        {"  \t\r\n\v\f17x", 17},
        {"+8", 8},
        {"-15;3", -15},
        {"", 0},
        {"abc", 0},
        {"- 5", 0},
        {"--5", 0},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        // Beyond 32 bits the number saturates, like the Windows runtime's atoi.
        {"2147483648", 2147483647},
        {"99999999999999999999", 2147483647},
        {"-2147483649", -2147483647 - 1},
        {"-99999999999999999999", -2147483647 - 1},
    };
    for (const Case& c : cases) EXPECT_EQ(readInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(Colours, Numeric) {
    struct Case {
        const char* text;
        std::int32_t scale;
        Colour colour;
    };
    const Case cases[] = {
        {"rgb(255,128,0)", 255, 0x000080FF},
        {"255,128,0", 255, 0x000080FF},
        {"rgb(255;128;0)", 255, 0x000080FF},
        {"rgb(255|128.0)", 255, 0x000080FF},
        {"rgb(1x2y3)", 255, 0x00030201},
        {"rgb(100,50,0)", 100, 0x00007FFF},
        {"rgb(300,0,0)", 255, 0x0000002C},  // above the scale: the low 8 bits
        {"rgb(255)", 255, 0x000000FF},
        {"rgb(255,0", 255, 0x000000FF},
        {"rgb(255,", 255, 0x000000FF},
        {"rgb(10,20,30)", 0, 0x001E140A},        // scale 0: taken as written
        {"rgb(50,0,0)", -255, 0x000000CE},       // -50 -> low 8 bits 0xCE
        {"rgb(99999999999,0,0)", 1, 0x00000001}, // saturated, times 255 wrapped: no undefined behaviour
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseColour(c.text, c.scale), c.colour) << c.text << " at scale " << c.scale;
    }
}

TEST(Colours, NamesInTableOrder) {
    struct Case {
        const char* text;
        Colour colour;
    };
    const Case cases[] = {
        {"bordeaux", 0x00000080}, {"rouge", 0x000000FF},     {"rose", 0x008080FF},      {"brun", 0x00004080},
        {"orange", 0x000080FF},   {"jaune", 0x0000FFFF},     {"marron", 0x00008080},    {"vertfonce", 0x00008000},
        {"vert", 0x0000FF00},     {"verte", 0x0000FF00},     {"turquoise", 0x0080FF00}, {"cyan", 0x00FFFF00},
        {"azur", 0x00804000},     {"bleuclair", 0x00FF8080}, {"bleuciel", 0x00FF8000},  {"bleuroi", 0x00800000},
        {"bleu", 0x00FF0000},     {"bleuet", 0x00FF0000},    {"violet", 0x00800080},    {"mauve", 0x00FF80C0},
        {"magenta", 0x00FF00FF},  {"noir", 0x00000000},      {"blanc", 0x00FFFFFF},     {"grisfonce", 0x00404040},
        {"grisclair", 0x00C0C0C0}, {"gris", 0x00808080},     {"grisbleu", 0x00808080},
        {"rgb(rouge", 0x000000FF}, {"mauve;noir", 0x00FF80C0}, {"magenta)", 0x00FF00FF},
        // No match is white: nothing, an unknown word, a sign, capitals (names are lower case).
        {"", 0x00FFFFFF}, {"pourpre", 0x00FFFFFF}, {"-5,0,0", 0x00FFFFFF}, {"Rouge", 0x00FFFFFF},
        {"rgb(", 0x00FFFFFF}, {"ver", 0x00FFFFFF},
    };
    for (const Case& c : cases) EXPECT_EQ(parseColour(c.text, 100), c.colour) << c.text;
}

TEST(YesNo, OnlyOuiIsYes) {
    EXPECT_EQ(parseYesNo("oui"), 1);
    EXPECT_EQ(parseYesNo("ouiii"), 1);
    EXPECT_EQ(parseYesNo("non"), 0);
    EXPECT_EQ(parseYesNo("1"), 0);
    EXPECT_EQ(parseYesNo(""), 0);
    EXPECT_EQ(parseYesNo("yes"), 0);
    EXPECT_EQ(parseYesNo("ou"), 0);
}

TEST(BlendModes, KeywordsInOrder) {
    struct Case {
        const char* text;
        std::int32_t scale;
        std::int32_t mode;
        std::int32_t level;
    };
    // Starting from mode 9 and level 77, so that "unchanged" shows.
    const Case cases[] = {
        {"et", 255, 0, 77},           {"etoile", 255, 0, 77},      {"non", 255, 0, 77},
        {"oui", 255, 1, 77},          {"moyenne(50)", 100, 1, 127}, {"moyenne(", 255, 1, 0},
        {"moyenne(128", 255, 1, 128}, {"addition", 255, 2, 77},    {"soustrac", 255, 3, 77},
        {"soustraction", 255, 3, 77}, {"soustra", 255, 9, 77},     {"masque(300)", 255, 4, 300},
        {"masque(40)", 255, 4, 40},   {"masque(-5)", 255, 4, -5},  {"masque(50)", 0, 4, 50},
        {"moyenne", 255, 9, 77},      {"masque", 255, 9, 77},      {"", 255, 9, 77},
        {"2", 255, 9, 77},            {"plus", 255, 9, 77},
    };
    for (const Case& c : cases) {
        std::int32_t mode = 9;
        std::int32_t level = 77;
        parseBlendMode(c.text, c.scale, mode, level);
        EXPECT_EQ(mode, c.mode) << c.text;
        EXPECT_EQ(level, c.level) << c.text;
    }
}

TEST(Scale, WrapsLikeThirtyTwoBits) {
    EXPECT_EQ(scaleToFull(50, 100), 127);
    EXPECT_EQ(scaleToFull(100, 0), 100);
    // INT_MIN * 255 wraps to INT_MIN, and INT_MIN / -1 wraps to itself: a value, never a trap.
    EXPECT_EQ(scaleToFull(-2147483647 - 1, -1), -2147483647 - 1);
    EXPECT_EQ(scaleToFull(16843009, 1), static_cast<std::int32_t>(16843009u * 255u));
}

}  // namespace
