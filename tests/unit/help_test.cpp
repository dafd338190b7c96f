// help_test.cpp -- the help line, the hover panels and the warning before a poor write.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/categories.h"
#include "game/game_state.h"
#include "game/help.h"
#include "game/turn.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/game_driver.h"

namespace {

class Hover : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        driver::finishRoll();
    }
    // The hover pass with the pointer at (x, y).
    void hoverAt(std::int32_t x, std::int32_t y) {
        driver::moveTo({x, y});
        hoverPass();
    }
    void clearPanels() { g.rollPanelLit = g.passPanelLit = g.categoryPanelLit = 0; }
    GameFields& g = gameState.game;
    Settings& s = gameState.settings;
};

TEST_F(Hover, TextByRegionAtItsEdges) {
    s.passers = 1;
    struct Case {
        std::int32_t x, y;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, kHoverCreditLine},
        {63, 20, "Cliquez retenir ce dé"},
        {422, 95, "Cliquez retenir ce dé"},
        {423, 50, kHoverCreditLine},
        {62, 50, kHoverCreditLine},
        {200, 150, "Triche: Passez un tour"},
        {310, 169, "Triche: Passez un tour"},
        {311, 169, kHoverCreditLine},
        {110, 310, "Ce meilleur score a été obtenu honnêtement."},
        {395, 310, "Total des 1 aux 6. À 63 points, vous en gagnez 35"},
        {394, 320, kHoverCreditLine},
        {420, 406, "Valeur que rapporterait l'élément sélectionné"},
        {419, 406, "Aide contextuelle -- C'est moi!"},
        {0, 445, "Aide contextuelle -- C'est moi!"},
        {374, 358, "Cliquez (ou barre d'espace) pour relancer les dés"},
        {400, 330, "Cliquez (ou barre d'espace) pour relancer les dés"},  // roll wins over the subtotal
        {100, 330, "Nombre de points acquis sur cette partie"},           // score wins over the record
        {190, 358, "Nombre de points acquis sur cette partie"},
        {191, 358, kHoverCreditLine},
        {10, 180, "Somme des 1"},
        {470, 260, "Les cinq dés identiques!"},
        {471, 260, kHoverCreditLine},
        {10, 201, kHoverCreditLine},
    };
    for (const Case& c : cases) {
        hoverAt(c.x, c.y);
        EXPECT_STREQ(g.helpText, c.text) << c.x << "," << c.y;
    }
}

TEST_F(Hover, HeldDieAndCheatedRecordTexts) {
    g.heldDice[2] = 1;
    hoverAt(driver::onDie(2).x, driver::onDie(2).y);
    EXPECT_STREQ(g.helpText, "Cliquez lâcher ce dé");
    g.recordCheated = 1;
    hoverAt(50, 320);
    EXPECT_STREQ(g.helpText, "Ce meilleur score a été obtenu en trichant.");
}

TEST_F(Hover, PanelsOnlyWhenTheControlCanAct) {
    hoverAt(driver::kPassButton.x, driver::kPassButton.y);
    EXPECT_EQ(g.passPanelLit, 0) << "no pass panel without passes";
    EXPECT_STREQ(g.helpText, kHoverCreditLine);
    s.passers = 1;
    hoverAt(driver::kPassButton.x, driver::kPassButton.y);
    EXPECT_EQ(g.passPanelLit, 1);

    hoverAt(driver::kRollButton.x, driver::kRollButton.y);
    EXPECT_EQ(g.rollPanelLit, 1);
    clearPanels();
    g.rollsThisTurn = s.lancers;
    hoverAt(driver::kRollButton.x, driver::kRollButton.y);
    EXPECT_EQ(g.rollPanelLit, 0) << "no roll panel without rolls left";
    EXPECT_STREQ(g.helpText, kHoverCreditLine);
}

TEST_F(Hover, OpenCategoryIsLitAndEvaluated) {
    driver::setDice({6, 6, 4, 2, 1});
    hoverAt(driver::onCategory(kChance).x, driver::onCategory(kChance).y);
    EXPECT_EQ(g.categoryPanelLit, 1);
    EXPECT_EQ(g.categoryPanelX, 300);
    EXPECT_EQ(g.categoryPanelY, 240);
    EXPECT_EQ(g.selectedValue, 19);
    EXPECT_EQ(g.poorChoice, 1);
    EXPECT_STREQ(g.helpText, "Somme tous les dés");

    // Leaving the sheet clears the poor flag at the next pass but keeps the value on show.
    hoverAt(250, 120);
    EXPECT_EQ(g.poorChoice, 0);
    EXPECT_EQ(g.selectedValue, 19);
}

TEST_F(Hover, ClosedCategoryLightsNothingAndKeepsTheLastValue) {
    driver::setDice({1, 1, 1, 2, 3});
    hoverAt(driver::onCategory(kAs).x, driver::onCategory(kAs).y);
    EXPECT_EQ(g.selectedValue, 3);
    g.categoryUsed[kDeux] = 1;
    clearPanels();
    hoverAt(driver::onCategory(kDeux).x, driver::onCategory(kDeux).y);
    EXPECT_EQ(g.categoryPanelLit, 0);
    EXPECT_EQ(g.selectedValue, 3);
    EXPECT_EQ(g.poorChoice, 0);
    EXPECT_STREQ(g.helpText, kHoverCreditLine);
    EXPECT_EQ(g.categoryPanelX, 100) << "the panel corner still follows the grid";
}

TEST_F(Hover, TypedCharacterTakesThePointerOffEveryRegion) {
    s.passers = 1;
    driver::moveTo(driver::kPassButton);
    characterTyped('a');
    clearPanels();
    hoverPass();
    EXPECT_EQ(g.passPanelLit, 0);
    EXPECT_EQ(g.rollPanelLit, 0);
    EXPECT_EQ(g.categoryPanelLit, 0);
    EXPECT_STREQ(g.helpText, kHoverCreditLine);
}

TEST_F(Hover, EveryPassAsksForARepaint) {
    const int before = fake::platform.repaints;
    hoverAt(0, 0);
    hoverAt(300, 300);
    EXPECT_EQ(fake::platform.repaints, before + 2);
}

TEST_F(Hover, FreshProgramWelcomesThePlayer) {
    fake::reset();
    EXPECT_STREQ(g.helpText, "Bienvenue dans le cinquor!");
}

// The warning box's text, byte for byte in Windows-1252 (0xE9 é, 0xEA ê, 0xCA Ê), lines split by \r.
TEST(Warning, TextsForZeroOneAndMore) {
    struct Case {
        int category;
        std::int32_t value;
        const char* text;
    };
    const Case cases[] = {
        {kAs, 1,
         "Vous allez peut-\xEAtre faire une b\xEAtise!\rLes as pour 1 point ...\r"
         "Vous pouvez peut-\xEAtre gagner plus de points en choisissant une autre option...\r"
         "Pour d\xE9sactiver ce message, d\xE9" "cocher la case Avertissement du menu Aide.\r"
         "\xCAtes-vous s\xFBr(e)?"},
        {kAs, 2,
         "Vous allez peut-\xEAtre faire une b\xEAtise!\rLes as pour 2 points...\r"
         "Vous pouvez peut-\xEAtre gagner plus de points en choisissant une autre option...\r"
         "Pour d\xE9sactiver ce message, d\xE9" "cocher la case Avertissement du menu Aide.\r"
         "\xCAtes-vous s\xFBr(e)?"},
        {kGrandeSuite, 0,
         "Vous allez faire une b\xEAtise!\rUne grande suite de z\xE9ro point...\r"
         "Pour d\xE9sactiver ce message, d\xE9" "cocher la case Avertissement du menu Aide.\r"
         "\xCAtes-vous s\xFBr(e)?"},
        {kCarre, 15,
         "Vous allez peut-\xEAtre faire une b\xEAtise!\rUn carr\xE9 de 15 points...\r"
         "Vous pouvez peut-\xEAtre gagner plus de points en choisissant une autre option...\r"
         "Pour d\xE9sactiver ce message, d\xE9" "cocher la case Avertissement du menu Aide.\r"
         "\xCAtes-vous s\xFBr(e)?"},
    };
    for (const Case& c : cases) {
        char text[kWarningTextSize];
        formatPoorWriteWarning(text, sizeof text, c.category, c.value);
        EXPECT_EQ(std::string(text), std::string(c.text)) << c.category << " " << c.value;
    }
}

TEST(Warning, WritingAPoorValueShowsItsTextWithTheValueWritten) {
    fake::reset();
    driver::finishRoll();
    driver::setDice({1, 2, 3, 4, 6});
    driver::click(driver::onCategory(kAs));
    ASSERT_EQ(fake::platform.confirmations, 1);
    EXPECT_EQ(fake::platform.lastTitle, "Attention!");
    EXPECT_NE(fake::platform.lastText.find("\rLes as pour 1 point ...\r"), std::string::npos);
    EXPECT_EQ(gameState.game.score, 1);
}

TEST(Warning, NoBoxWithWarningsOffOrAtPar) {
    fake::reset();
    gameState.shell.warningsOn = 0;
    driver::finishRoll();
    driver::setDice({1, 2, 3, 4, 6});
    driver::click(driver::onCategory(kAs));
    EXPECT_EQ(fake::platform.confirmations, 0);
    EXPECT_EQ(gameState.game.categoryUsed[kAs], 1);
}

TEST(Warning, HelpOffKeepsPanelsValuesAndWarnings) {
    fake::reset();
    gameState.settings.aide = 0;
    driver::finishRoll();
    driver::setDice({6, 6, 4, 2, 1});
    driver::moveTo(driver::onCategory(kChance));
    hoverPass();
    EXPECT_EQ(gameState.game.categoryPanelLit, 1);
    EXPECT_EQ(gameState.game.selectedValue, 19);
    driver::click(driver::onCategory(kChance));
    EXPECT_EQ(fake::platform.confirmations, 1);
}

}  // namespace
