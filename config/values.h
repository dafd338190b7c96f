// values.h -- the value grammars of the configuration: integers, colours, yes/no and blend modes.
#pragma once

#include <cstdint>

#include "game/game_state.h"

// Leading white space, an optional sign, then decimal digits up to the first other character; no digits
// read as 0. A number beyond 32 bits saturates at INT32_MAX or INT32_MIN, as the Windows C runtime's atoi
// does.
std::int32_t readInteger(const char* text);

// A numeric component or level written on the scale `modecouleur` (255 by default, 100 for percentages),
// brought to the scale 255: n * 255 / scale in 32 bits. A scale of 0 takes the number as written.
std::int32_t scaleToFull(std::int32_t n, std::int32_t scale);

// "rgb(r,g,b)" with any one-character separator and an optional prefix, or a colour name
// ("vertfonce", "bleuroi"...); anything else is white. Numbers are scaled by `scale`, low 8 bits kept.
Colour parseColour(const char* text, std::int32_t scale);

// "oui..." is 1; "non...", numbers and anything else 0.
std::int32_t parseYesNo(const char* text);

// "et", "non", "oui", "moyenne(N", "addition", "soustrac...", "masque(N": sets the mode and, for the two
// with a number, the level scaled by `scale` and kept whole. Anything else changes neither.
void parseBlendMode(const char* text, std::int32_t scale, std::int32_t& mode, std::int32_t& level);

// True when `text` begins with `prefix`.
bool beginsWith(const char* text, const char* prefix);
