// script.h -- the decoration script: rectangles and texts drawn once onto the background.
#pragma once

#include "render/draw.h"

// Runs the script file the configuration reader left ("instr.txt", with the files its "include=" lines
// name) onto `target`, then deletes it. Fonts made by the script are released before it returns.
void runDecorationScript(Surface* target);
