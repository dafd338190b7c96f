// categories_test.cpp -- what five dice are worth in each category, and when that is a poor choice.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/categories.h"

namespace {

struct Case {
    int dice[5];
    int category;
    std::int32_t value;
    bool poor;
};

std::string show(const Case& c) {
    std::string s = std::string(kCategories[c.category].name) + " with";
    for (int f : c.dice) s += " " + std::to_string(f);
    return s;
}

const Case kCases[] = {
    // Upper categories: the face times its count; par is three of the face.
    {{1, 1, 1, 2, 3}, kAs, 3, false},
    {{1, 1, 1, 2, 3}, kDeux, 2, true},
    {{3, 3, 3, 1, 2}, kTrois, 9, false},
    {{4, 4, 1, 2, 3}, kQuatre, 8, true},
    {{4, 4, 4, 4, 1}, kQuatre, 16, false},
    {{5, 5, 5, 5, 5}, kCinq, 25, false},
    {{6, 6, 1, 2, 3}, kSix, 12, true},
    {{6, 6, 6, 2, 3}, kSix, 18, false},
    {{2, 3, 4, 5, 6}, kAs, 0, true},
    // Pairs: every die of every group counts; "2 Paires" needs two groups.
    {{2, 2, 5, 5, 5}, kUnePaire, 19, false},
    {{2, 2, 5, 5, 5}, kDeuxPaires, 19, true},
    {{6, 6, 5, 5, 1}, kUnePaire, 22, false},
    {{6, 6, 5, 5, 1}, kDeuxPaires, 22, false},
    {{4, 4, 4, 4, 1}, kUnePaire, 16, false},
    {{4, 4, 4, 4, 1}, kDeuxPaires, 0, true},
    {{3, 3, 3, 3, 3}, kUnePaire, 15, false},
    {{3, 3, 3, 3, 3}, kDeuxPaires, 0, true},
    {{1, 1, 2, 3, 4}, kUnePaire, 2, true},
    {{5, 5, 1, 2, 3}, kUnePaire, 10, false},
    {{1, 2, 3, 4, 6}, kUnePaire, 0, true},
    {{5, 5, 5, 5, 6}, kDeuxPaires, 0, true},  // one group of four is not two pairs
    // Brelan and Carré: the sum of all dice, poor at 16 or less.
    {{1, 1, 1, 2, 3}, kBrelan, 8, true},
    {{2, 2, 5, 5, 5}, kBrelan, 19, false},
    {{4, 4, 4, 2, 3}, kBrelan, 17, false},
    {{1, 1, 1, 6, 6}, kBrelan, 15, true},
    {{4, 4, 4, 4, 1}, kBrelan, 17, false},
    {{1, 2, 3, 6, 6}, kBrelan, 0, true},
    {{4, 4, 4, 4, 1}, kCarre, 17, false},
    {{3, 3, 3, 3, 3}, kCarre, 15, true},
    {{4, 4, 4, 2, 3}, kCarre, 0, true},
    {{6, 6, 6, 6, 6}, kCarre, 30, false},
    // Full: exactly three and exactly two; five or four equal dice are no full house.
    {{2, 2, 5, 5, 5}, kFull, 25, false},
    {{1, 1, 1, 6, 6}, kFull, 25, false},
    {{3, 3, 3, 3, 3}, kFull, 0, true},
    {{4, 4, 4, 4, 1}, kFull, 0, true},
    {{4, 4, 4, 2, 3}, kFull, 0, true},
    // Straights: any order; a small straight may have a repeated or an outlying die.
    {{1, 2, 3, 4, 4}, kPetiteSuite, 30, false},
    {{1, 2, 3, 4, 4}, kGrandeSuite, 0, true},
    {{1, 3, 4, 5, 6}, kPetiteSuite, 30, false},
    {{1, 3, 4, 5, 6}, kGrandeSuite, 0, true},
    {{1, 2, 3, 5, 6}, kPetiteSuite, 0, true},
    {{1, 2, 4, 5, 6}, kPetiteSuite, 0, true},
    {{4, 2, 5, 3, 4}, kPetiteSuite, 30, false},
    {{1, 2, 3, 4, 5}, kPetiteSuite, 30, false},
    {{1, 2, 3, 4, 5}, kGrandeSuite, 40, false},
    {{2, 3, 4, 5, 6}, kPetiteSuite, 30, false},
    {{6, 2, 4, 3, 5}, kGrandeSuite, 40, false},
    {{1, 2, 3, 4, 6}, kGrandeSuite, 0, true},
    // Chance: the sum, par 20.
    {{6, 6, 4, 3, 1}, kChance, 20, false},
    {{6, 6, 4, 2, 1}, kChance, 19, true},
    {{1, 1, 1, 2, 3}, kChance, 8, true},
    // Cinquor: five equal dice are worth the game's current value of it.
    {{3, 3, 3, 3, 3}, kCinquor, 50, false},
    {{3, 3, 3, 3, 4}, kCinquor, 0, true},
    {{4, 3, 3, 3, 3}, kCinquor, 0, true},
};

TEST(CategoryValues, EveryCaseGivesItsValueAndPoorFlag) {
    for (const Case& c : kCases) {
        const Evaluation e = evaluateDice(c.dice, 50, c.category);
        EXPECT_EQ(e.value, c.value) << show(c);
        EXPECT_EQ(e.poor, c.poor) << show(c);
        EXPECT_STREQ(e.description, kCategories[c.category].description) << show(c);
    }
}

TEST(CategoryValues, OrderOfTheDiceNeverMatters) {
    // Every rotation of every case is worth the same.
    for (const Case& c : kCases) {
        for (int shift = 1; shift < 5; ++shift) {
            std::int32_t rotated[5];
            for (int i = 0; i < 5; ++i) rotated[i] = c.dice[(i + shift) % 5];
            EXPECT_EQ(evaluateDice(rotated, 50, c.category).value, c.value) << show(c) << " shift " << shift;
        }
    }
}

TEST(CategoryValues, CinquorIsWorthTheCurrentValue) {
    const std::int32_t sixes[5] = {6, 6, 6, 6, 6};
    EXPECT_EQ(evaluateDice(sixes, 150, kCinquor).value, 150);
    const std::int32_t mixed[5] = {6, 6, 6, 6, 5};
    EXPECT_EQ(evaluateDice(mixed, 150, kCinquor).value, 0);
}

TEST(CategoryTable, NamesPhrasesAndDescriptionsAreTheGameTexts) {
    struct Texts {
        const char* name;
        const char* phrase;
        const char* description;
    };
    const Texts expected[kCategoryCount] = {
        {"As", "Les as pour", "Somme des 1"},
        {"Deux", "Les deux pour", "Somme des 2"},
        {"Trois", "Les trois pour", "Somme des 3"},
        {"Quatre", "Les quatres pour", "Somme des 4"},
        {"Cinq", "Les cinq pour", "Somme des 5"},
        {"Six", "Les six pour", "Somme des 6"},
        {"1 Paire", "Une paire pour", "Deux d\xE9s identiques"},
        {"2 Paires", "Deux paires pour", "Deux fois deux d\xE9s identiques"},
        {"Brelan", "Un brelan de", "Trois d\xE9s identiques"},
        {"Carr\xE9", "Un carr\xE9 de", "Quatre d\xE9s identiques"},
        {"Full", "Un full de", "Deux d\xE9s identiques et trois d\xE9s identiques"},
        {"Pt Suite", "Une petite suite de", "Suite de quatre valeurs"},
        {"Gd Suite", "Une grande suite de", "Suite de cinq valeurs"},
        {"Chance", "Une chance pour", "Somme tous les d\xE9s"},
        {"Cinquor", "Un cinquor de", "Les cinq d\xE9s identiques!"},
    };
    for (int i = 0; i < kCategoryCount; ++i) {
        EXPECT_STREQ(kCategories[i].name, expected[i].name) << i;
        EXPECT_STREQ(kCategories[i].warningPhrase, expected[i].phrase) << i;
        EXPECT_STREQ(kCategories[i].description, expected[i].description) << i;
    }
}

TEST(CategoryTable, TextsAreWindows1252Bytes) {
    // "Carré" is five bytes with 0xE9 at the end: the build kept the game's code page.
    EXPECT_EQ(std::strlen(kCategories[kCarre].name), 5u);
    EXPECT_EQ(static_cast<unsigned char>(kCategories[kCarre].name[4]), 0xE9);
}

}  // namespace
