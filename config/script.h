// script.h -- the decoration script: rectangles and texts drawn once onto the background.
#pragma once

#include "render/draw.h"

// Runs the script file the configuration reader left (instr-<process>.txt, with the files its "include="
// lines name) onto `target`, then deletes it. Fonts made by the script are released before it returns.
// The script's text is kept, for a replay.
void runDecorationScript(Surface* target);

// Runs the script of the last runDecorationScript again, onto a background made anew (at another device
// scale): the file is written again from the kept text, run and deleted.
void replayDecorationScript(Surface* target);
