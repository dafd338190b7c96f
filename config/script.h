// script.h -- the decoration script: rectangles and texts drawn once onto the background.
#pragma once

#include <cstdint>

#include "game/game_state.h"

// What the script draws on: the background seen through the few operations its commands use. The drawing
// layer gives one for a surface (render/script_canvas.h); the script's reading knows nothing of how it is
// drawn, so that the configuration stays below the drawing in the house.
class ScriptCanvas {
public:
    // Left, top, right and bottom, the right and bottom edges excluded, with a solid colour.
    virtual void fillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                          Colour colour) = 0;
    virtual void setTextColour(Colour colour) = 0;
    virtual void setBackColour(Colour colour) = 0;
    // Opaque: the text's cells are filled with the back colour; transparent: only the letters are drawn.
    virtual void setOpaqueBackground(bool opaque) = 0;
    virtual void drawText(std::int32_t x, std::int32_t y, const char* text, std::int32_t length) = 0;
    virtual Font* createFont(const char* face, std::int32_t height, std::int32_t weight, bool italic,
                             bool underline, bool strikeOut, std::int32_t escapement) = 0;
    // Makes `font` the current font and returns the font it replaces.
    virtual Font* selectFont(Font* font) = 0;
    virtual void deleteFont(Font* font) = 0;

protected:
    ~ScriptCanvas() = default;
};

// Runs the script file the configuration reader left (instr-<process>.txt, with the files its "include="
// lines name) onto `target`, then deletes it. Fonts made by the script are released before it returns.
// The script's text is kept, for a replay.
void runDecorationScript(ScriptCanvas& target);

// Runs the script of the last runDecorationScript again, onto a background made anew (at another device
// scale): the file is written again from the kept text, run and deleted.
void replayDecorationScript(ScriptCanvas& target);
