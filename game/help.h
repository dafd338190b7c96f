// help.h -- the help line, the hover panels and the warning before a poor write.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::size_t kWarningTextSize = 400;
extern const char kWarningTitle[];

// The status line outside every control, and the line shown instead of the help while help is off.
extern const char kHoverCreditLine[];
extern const char kQuietCreditLine[];

// Run at every tick and every button press: chooses the help text for what lies under the pointer,
// asks the next paint to light the control under it, evaluates the open category under it, and asks
// for a repaint.
void hoverPass();

// The text of the warning before writing `value` points in category `category`, into `out`.
void formatPoorWriteWarning(char* out, std::size_t size, int category, std::int32_t value);

// Ask the player whether to write `value` in `category` after all. True to go on.
bool confirmPoorWrite(int category, std::int32_t value);
