// categories.cpp -- the category table and the value of the dice in each category.
#include "game/categories.h"

#include <algorithm>

// The game's texts are Windows-1252 bytes at run time, on every platform: "é" is one byte.
#ifndef CINQUOR_UTF8_TEXTS
static_assert(sizeof("é") == 2, "compile with -fexec-charset=CP1252");
#endif

const CategoryInfo kCategories[kCategoryCount] = {
    {"As", "Les as pour", "Somme des 1"},
    {"Deux", "Les deux pour", "Somme des 2"},
    {"Trois", "Les trois pour", "Somme des 3"},
    {"Quatre", "Les quatres pour", "Somme des 4"},
    {"Cinq", "Les cinq pour", "Somme des 5"},
    {"Six", "Les six pour", "Somme des 6"},
    {"1 Paire", "Une paire pour", "Deux dés identiques"},
    {"2 Paires", "Deux paires pour", "Deux fois deux dés identiques"},
    {"Brelan", "Un brelan de", "Trois dés identiques"},
    {"Carré", "Un carré de", "Quatre dés identiques"},
    {"Full", "Un full de", "Deux dés identiques et trois dés identiques"},
    {"Pt Suite", "Une petite suite de", "Suite de quatre valeurs"},
    {"Gd Suite", "Une grande suite de", "Suite de cinq valeurs"},
    {"Chance", "Une chance pour", "Somme tous les dés"},
    {"Cinquor", "Un cinquor de", "Les cinq dés identiques!"},
};

namespace {

// counts[f] is the number of dice showing face f (1..6); faces outside 1..6 are counted nowhere.
struct FaceCounts {
    std::int32_t counts[kFaceCount + 1] = {};
    std::int32_t sum = 0;
};

FaceCounts countFaces(const std::int32_t dice[kDiceCount]) {
    FaceCounts fc;
    for (int i = 0; i < kDiceCount; ++i) {
        if (dice[i] >= 1 && dice[i] <= kFaceCount) ++fc.counts[dice[i]];
        fc.sum += dice[i];
    }
    return fc;
}

// Value of "1 Paire" (needed 1) or "2 Paires" (needed 2): a group is a face shown twice or more, and every
// die of every group counts, so 2 2 5 5 5 is worth 19 in both.
std::int32_t groupsValue(const FaceCounts& fc, int needed) {
    int groups = 0;
    std::int32_t sum = 0;
    for (int f = 1; f <= kFaceCount; ++f) {
        if (fc.counts[f] >= 2) {
            ++groups;
            sum += fc.counts[f] * f;
        }
    }
    return groups >= needed ? sum : 0;
}

// Sum of the dice when some face is shown at least `count` times, else 0 ("Brelan", "Carré").
std::int32_t ofAKindValue(const FaceCounts& fc, int count) {
    for (int f = 1; f <= kFaceCount; ++f) {
        if (fc.counts[f] >= count) return fc.sum;
    }
    return 0;
}

bool isFull(const FaceCounts& fc) {
    bool three = false;
    bool two = false;
    for (int f = 1; f <= kFaceCount; ++f) {
        three = three || fc.counts[f] == 3;
        two = two || fc.counts[f] == 2;
    }
    return three && two;
}

// Four consecutive values among the faces shown; a fifth die may repeat one or lie outside the run.
bool hasSmallStraight(const FaceCounts& fc) {
    for (int low = 1; low <= 3; ++low) {
        if (fc.counts[low] && fc.counts[low + 1] && fc.counts[low + 2] && fc.counts[low + 3]) return true;
    }
    return false;
}

bool hasLargeStraight(const std::int32_t dice[kDiceCount]) {
    std::int32_t sorted[kDiceCount];
    std::copy(dice, dice + kDiceCount, sorted);
    std::sort(sorted, sorted + kDiceCount);
    for (int i = 1; i < kDiceCount; ++i) {
        if (sorted[i] != sorted[i - 1] + 1) return false;
    }
    return true;
}

bool allEqual(const std::int32_t dice[kDiceCount]) {
    for (int i = 1; i < kDiceCount; ++i) {
        if (dice[i] != dice[i - 1]) return false;
    }
    return true;
}

}  // namespace

Evaluation evaluateDice(const std::int32_t dice[kDiceCount], std::int32_t fiveOfAKindValue, int category) {
    const FaceCounts fc = countFaces(dice);
    std::int32_t value = 0;
    bool poor = false;
    switch (category) {
        case kAs: case kDeux: case kTrois: case kQuatre: case kCinq: case kSix: {
            const int face = category + 1;
            value = face * fc.counts[face];
            poor = value < 3 * face;  // par: three dice of the face
            break;
        }
        case kUnePaire:
            value = groupsValue(fc, 1);
            poor = value < 10;
            break;
        case kDeuxPaires:
            value = groupsValue(fc, 2);
            poor = value < 20;
            break;
        case kBrelan:
        case kCarre:
            value = ofAKindValue(fc, category == kBrelan ? 3 : 4);
            poor = value <= 16;  // also when no face reaches the count: the value is then 0
            break;
        case kFull:
            value = isFull(fc) ? 25 : 0;
            poor = value == 0;
            break;
        case kPetiteSuite:
            value = hasSmallStraight(fc) ? 30 : 0;
            poor = value == 0;
            break;
        case kGrandeSuite:
            value = hasLargeStraight(dice) ? 40 : 0;
            poor = value == 0;
            break;
        case kChance:
            value = fc.sum;
            poor = value < 20;
            break;
        case kCinquor:
            value = allEqual(dice) ? fiveOfAKindValue : 0;
            poor = value == 0;
            break;
        default:
            return {0, false, ""};
    }
    return {value, poor, kCategories[category].description};
}

Evaluation evaluateCategory(int category) {
    return evaluateDice(gameState.game.dice, gameState.game.fiveOfAKindValue, category);
}
