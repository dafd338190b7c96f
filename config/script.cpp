// script.cpp -- the decoration script: rectangles and texts drawn once onto the background.
#include "config/script.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "config/configuration.h"
#include "config/text_file.h"
#include "config/values.h"
#include "game/int32.h"

namespace {

constexpr std::size_t kFaceNameSize = 32;  // the platform's longest face name, with its terminator
constexpr std::int32_t kDefaultFontHeight = 16;
constexpr std::int32_t kBold = 900;

bool isSeparator(char c) { return c == ';' || c == '|'; }

// Moves to the next argument: past the next semicolon or bar, or to the end of the line.
const char* nextArgument(const char* p) {
    while (*p && !isSeparator(*p)) ++p;
    return *p ? p + 1 : p;
}

std::int32_t integerArgument(const char*& p) {
    const std::int32_t value = readInteger(p);
    p = nextArgument(p);
    return value;
}

Colour colourArgument(const char*& p) {
    const Colour value = parseColour(p, gameState.settings.modecouleur);
    p = nextArgument(p);
    return value;
}

void fillRectCommand(ScriptCanvas& target, const char* p) {
    const std::int32_t left = integerArgument(p);
    const std::int32_t top = integerArgument(p);
    const std::int32_t right = integerArgument(p);
    const std::int32_t bottom = integerArgument(p);
    // The colour is the rest of the line, so its rgb( components may be split by semicolons too.
    const Colour colour = parseColour(p, gameState.settings.modecouleur);
    if (right > left && bottom > top) target.fillRect(left, top, right, bottom, colour);
}

void drawStrCommand(ScriptCanvas& target, const char* p) {
    const std::int32_t x = integerArgument(p);
    const std::int32_t y = integerArgument(p);
    target.setTextColour(colourArgument(p));
    target.setBackColour(colourArgument(p));
    if (*p != '"') return;
    const char* text = p + 1;
    const char* end = std::strchr(text, '"');
    const std::size_t length = end ? static_cast<std::size_t>(end - text) : std::strlen(text);
    if (length > 0) target.drawText(x, y, text, static_cast<std::int32_t>(length));
}

// The fonts the script made: the one selected now, and the surface's own font it replaced first.
struct ScriptFonts {
    Font* original = nullptr;
    bool made = false;
};

void fontCommand(ScriptCanvas& target, const char* p, ScriptFonts& fonts) {
    if (*p != '"') return;
    ++p;
    char face[kFaceNameSize] = {};
    std::size_t length = 0;
    for (; *p && *p != '"'; ++p) {
        if (length < kFaceNameSize - 1) face[length++] = *p;
    }
    std::int32_t weight = 0;
    std::int32_t height = kDefaultFontHeight;
    std::int32_t escapement = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    if (*p == '"') {
        ++p;
        if (*p) ++p;  // the separator after the name
        while (*p) {
            if (beginsWith(p, "gras")) weight = kBold;
            else if (beginsWith(p, "italique")) italic = true;
            else if (beginsWith(p, "souligne")) underline = true;
            else if (beginsWith(p, "trace")) strikeOut = true;
            else if (beginsWith(p, "angle(")) escapement = int32::mul(readInteger(p + 6), 10);
            else if (beginsWith(p, "taille(")) height = readInteger(p + 7);
            p = nextArgument(p);
        }
    }
    Font* made = target.createFont(face, height, weight, italic, underline, strikeOut, escapement);
    Font* previous = target.selectFont(made);
    if (fonts.made) {
        target.deleteFont(previous);  // no longer selected anywhere
    } else {
        fonts.original = previous;
        fonts.made = true;
    }
}

void bgModeCommand(ScriptCanvas& target, const char* p) {
    if (beginsWith(p, "transparent")) target.setOpaqueBackground(false);
    else if (beginsWith(p, "opaque")) target.setOpaqueBackground(true);
}

std::string keptScript;  // the text of the last script run

}  // namespace

void replayDecorationScript(ScriptCanvas& target) {
    if (keptScript.empty()) return;
    if (std::FILE* file = recreateScriptFile()) {
        const bool written = std::fwrite(keptScript.data(), 1, keptScript.size(), file) == keptScript.size();
        if (std::fclose(file) == 0 && written) runDecorationScript(target);
        else deleteScriptFile();
    }
}

void runDecorationScript(ScriptCanvas& target) {
    std::FILE* files[kMaxIncludeDepth + 1] = {};
    int top = 0;  // the number of included files open above the script file
    int included = 0;
    files[0] = openForReading(scriptFilePath());
    keptScript.clear();
    if (!files[0]) return;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, files[0])) > 0;) keptScript.append(chunk, n);
    std::rewind(files[0]);
    ScriptFonts fonts;
    char line[kLineBufferSize];
    while (top >= 0) {
        if (!readLine(files[top], line)) {
            std::fclose(files[top--]);
            continue;
        }
        if (beginsWith(line, "fillrect(")) {
            fillRectCommand(target, line + 9);
        } else if (beginsWith(line, "drawstr(")) {
            drawStrCommand(target, line + 8);
        } else if (beginsWith(line, "font(")) {
            fontCommand(target, line + 5, fonts);
        } else if (beginsWith(line, "bgmode(")) {
            bgModeCommand(target, line + 7);
        } else if (beginsWith(line, "include=") && top < kMaxIncludeDepth && included < kMaxIncludedFiles) {
            std::FILE* file = openForReading(line + 8);
            if (!file) break;  // a missing file ends the whole script
            files[++top] = file;
            ++included;
        }
        // Anything else (comments, the configuration's own include lines, text) is no command.
    }
    for (; top >= 0; --top) std::fclose(files[top]);
    if (fonts.made) target.deleteFont(target.selectFont(fonts.original));
    deleteScriptFile();
}
