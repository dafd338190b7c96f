// help.h -- the help line, the hover panels and the warning before a poor write.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::size_t kWarningTextSize = 400;
extern const char kWarningTitle[];

// The text of the warning before writing `value` points in category `category`, into `out`.
void formatPoorWriteWarning(char* out, std::size_t size, int category, std::int32_t value);

// Ask the player whether to write `value` in `category` after all. True to go on.
bool confirmPoorWrite(int category, std::int32_t value);
