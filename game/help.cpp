// help.cpp -- the help line, the hover panels and the warning before a poor write.
#include "game/help.h"

#include <cstdio>

#include "game/categories.h"
#include "game/platform.h"

const char kWarningTitle[] = "Attention!";

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
