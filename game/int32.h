// int32.h -- signed 32-bit arithmetic that wraps like the two's-complement machine words the game counts in.
#pragma once

#include <cstdint>

// Every number of the game is a signed 32-bit integer. Sums, products and quotients are computed in 64 bits
// and cut back to 32, so that a saved file or a configuration line holding extreme values never reaches
// undefined behaviour: the result is the one a 32-bit register would hold.
namespace int32 {

// Low 32 bits of a wide value, read as signed.
constexpr std::int32_t wrap(std::int64_t wide) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

constexpr std::int32_t add(std::int32_t a, std::int32_t b) { return wrap(std::int64_t{a} + b); }
constexpr std::int32_t sub(std::int32_t a, std::int32_t b) { return wrap(std::int64_t{a} - b); }
constexpr std::int32_t mul(std::int32_t a, std::int32_t b) { return wrap(std::int64_t{a} * b); }

// Quotient truncated towards zero. The one overflowing case, INT32_MIN / -1, wraps to INT32_MIN.
// A zero divisor has no answer: callers decide what it means before they divide, and this returns 0
// rather than trap if one slips through.
constexpr std::int32_t div(std::int32_t a, std::int32_t b) {
    return b == 0 ? 0 : wrap(std::int64_t{a} / b);
}

}  // namespace int32
