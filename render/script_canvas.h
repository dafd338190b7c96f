// script_canvas.h -- the decoration script drawn on a surface of the drawing seam.
#pragma once

#include "config/script.h"

// Runs the decoration script onto `target`, or runs the last one again onto a background made anew.
void runDecorationScript(Surface* target);
void replayDecorationScript(Surface* target);
