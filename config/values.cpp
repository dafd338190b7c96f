// values.cpp -- the value grammars of the configuration: integers, colours, yes/no and blend modes.
#include "config/values.h"

#include <cstring>

#include "game/int32.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

struct NamedColour {
    const char* name;
    Colour value;
};

// Longer names stand before the shorter names they begin with: "vertfonce" before "vert".
const NamedColour kColourNames[] = {
    {"bordeaux", 0x00000080},  {"rouge", 0x000000FF},     {"rose", 0x008080FF},     {"brun", 0x00004080},
    {"orange", 0x000080FF},    {"jaune", 0x0000FFFF},     {"marron", 0x00008080},   {"vertfonce", 0x00008000},
    {"vert", 0x0000FF00},      {"turquoise", 0x0080FF00}, {"cyan", 0x00FFFF00},     {"azur", 0x00804000},
    {"bleuclair", 0x00FF8080}, {"bleuciel", 0x00FF8000},  {"bleuroi", 0x00800000},  {"bleu", 0x00FF0000},
    {"violet", 0x00800080},    {"mauve", 0x00FF80C0},     {"magenta", 0x00FF00FF},  {"noir", 0x00000000},
    {"blanc", 0x00FFFFFF},     {"grisfonce", 0x00404040}, {"grisclair", 0x00C0C0C0}, {"gris", 0x00808080},
};

constexpr Colour kWhite = 0x00FFFFFF;

// Moves past the digits at p, then past one separator character unless the text has ended.
const char* skipComponent(const char* p) {
    while (isDigit(*p)) ++p;
    if (*p) ++p;
    return p;
}

Colour component(const char* p, std::int32_t scale) {
    return static_cast<Colour>(scaleToFull(readInteger(p), scale)) & 0xFF;
}

}  // namespace

bool beginsWith(const char* text, const char* prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

std::int32_t readInteger(const char* text) {
    const char* p = text;
    while (isBlank(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = std::int64_t{INT32_MAX} + 1;  // the magnitude of INT32_MIN
    for (; isDigit(*p); ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > kLimit) magnitude = kLimit;  // saturate; keep reading the digits
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX) return INT32_MAX;
    return static_cast<std::int32_t>(value);
}

std::int32_t scaleToFull(std::int32_t n, std::int32_t scale) {
    if (scale == 0) return n;
    return int32::div(int32::mul(n, 255), scale);
}

Colour parseColour(const char* text, std::int32_t scale) {
    const char* p = text;
    if (beginsWith(p, "rgb(")) p += 4;
    if (isDigit(*p)) {
        const Colour red = component(p, scale);
        p = skipComponent(p);
        const Colour green = component(p, scale);
        p = skipComponent(p);
        const Colour blue = component(p, scale);
        return red | green << 8 | blue << 16;
    }
    for (const NamedColour& c : kColourNames) {
        if (beginsWith(p, c.name)) return c.value;
    }
    return kWhite;
}

std::int32_t parseYesNo(const char* text) {
    if (beginsWith(text, "non")) return 0;
    return beginsWith(text, "oui") ? 1 : 0;
}

void parseBlendMode(const char* text, std::int32_t scale, std::int32_t& mode, std::int32_t& level) {
    if (beginsWith(text, "et") || beginsWith(text, "non")) {
        mode = 0;
    } else if (beginsWith(text, "oui")) {
        mode = 1;
    } else if (beginsWith(text, "moyenne(")) {
        mode = 1;
        level = scaleToFull(readInteger(text + 8), scale);
    } else if (beginsWith(text, "addition")) {
        mode = 2;
    } else if (beginsWith(text, "soustrac")) {
        mode = 3;
    } else if (beginsWith(text, "masque(")) {
        mode = 4;
        level = scaleToFull(readInteger(text + 7), scale);
    }
}
