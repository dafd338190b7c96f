// help.cpp -- the help line, the hover panels and the warning before a poor write.
#include "game/help.h"

#include <cstdio>

#include "game/board_regions.h"
#include "game/categories.h"
#include "game/game_state.h"
#include "game/platform.h"

const char kWarningTitle[] = "Attention!";
const char kHoverCreditLine[] = "Le cinquor: lancez, retenez, marquez!";
const char kQuietCreditLine[] = "Le cinquor, le jeu des cinq dés";

void hoverPass() {
    GameFields& g = gameState.game;
    const std::int32_t x = g.mouseX;
    const std::int32_t y = g.mouseY;
    g.poorChoice = 0;
    g.helpText = kHoverCreditLine;
    requestRepaint();

    // Later regions replace the text of earlier ones; they meet only along y = 330, where the roll
    // button wins over the subtotal and the score over the record.
    const int die = dieAt(x, y);
    if (die >= 0) g.helpText = g.heldDice[die] ? "Cliquez lâcher ce dé" : "Cliquez retenir ce dé";
    if (onPassButton(x, y) && passesLeft() > 0) {
        g.passPanelLit = 1;
        g.helpText = "Triche: Passez un tour";
    }
    if (onRecord(x, y)) {
        g.helpText = g.recordCheated ? "Ce meilleur score a été obtenu en trichant."
                                     : "Ce meilleur score a été obtenu honnêtement.";
    }
    if (onUpperSubtotal(x, y)) g.helpText = "Total des 1 aux 6. À 63 points, vous en gagnez 35";
    if (onStatusLine(x, y)) {
        g.helpText = onStatusValue(x, y) ? "Valeur que rapporterait l'élément sélectionné"
                                         : "Aide contextuelle -- C'est moi!";
    }
    if (onRollButton(x, y) && g.rollsThisTurn < gameState.settings.lancers) {
        g.rollPanelLit = 1;
        g.helpText = "Cliquez (ou barre d'espace) pour relancer les dés";
    }
    if (onScore(x, y)) g.helpText = "Nombre de points acquis sur cette partie";
    if (onSheetGrid(x, y)) {
        g.categoryPanelX = sheetCellX(x);
        g.categoryPanelY = sheetCellY(y);
        const int category = categoryAt(x, y);
        // A closed category lights nothing and keeps the value last shown.
        if (category >= 0 && !g.categoryUsed[category]) {
            g.categoryPanelLit = 1;
            g.selectedValue = 0;
            const Evaluation e = evaluateCategory(category);
            g.selectedValue = e.value;
            if (e.poor) g.poorChoice = 1;
            g.helpText = e.description;
        }
    }
}

void formatPoorWriteWarning(char* out, std::size_t size, int category, std::int32_t value) {
    const char* phrase = kCategories[category].warningPhrase;
    if (value == 0) {
        std::snprintf(out, size,
                      "Vous allez faire une bêtise!\r%s zéro point...\r"
                      "Pour désactiver ce message, décocher la case Avertissement du menu Aide.\r"
                      "Êtes-vous sûr(e)?",
                      phrase);
    } else {
        std::snprintf(out, size,
                      "Vous allez peut-être faire une bêtise!\r%s %i point%c...\r"
                      "Vous pouvez peut-être gagner plus de points en choisissant une autre option...\r"
                      "Pour désactiver ce message, décocher la case Avertissement du menu Aide.\r"
                      "Êtes-vous sûr(e)?",
                      phrase, static_cast<int>(value), value == 1 ? ' ' : 's');
    }
}

bool confirmPoorWrite(int category, std::int32_t value) {
    char text[kWarningTextSize];
    formatPoorWriteWarning(text, sizeof text, category, value);
    return confirmOkCancel(text, kWarningTitle);
}
