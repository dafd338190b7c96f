// fuzz_support.h -- what every fuzz target shares: a fresh game state and a private folder per input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// A fresh program: the game state at its start values, the fakes of the platform reset, and the current
// folder a scratch folder of this process, emptied.
void freshProgram();

// The part of the input before its first NUL byte, and the part after it.
std::string firstPart(const std::uint8_t* data, std::size_t size);
std::string secondPart(const std::uint8_t* data, std::size_t size);

// Stops the run, so the fuzzer keeps the input, when a rule the game promises does not hold.
void check(bool holds, const char* what);

}  // namespace fuzz
