// saved_state.h -- the saved-state file: eleven little-endian 32-bit values kept from run to run.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "game/game_state.h"

constexpr std::size_t kSaveFileSize = 4 * kSaveValueCount;  // 44 bytes

// Decodes up to eleven whole values of `bytes` into `record` and returns how many it holds; the values
// past them are left as they were.
int decodeSaveRecord(const unsigned char* bytes, std::size_t size, SaveRecord& record);
void encodeSaveRecord(const SaveRecord& record, unsigned char* bytes);  // kSaveFileSize bytes

// Reads the saved state into the settings and the record at start-up. A file shorter than 44 bytes is an
// older save: it is read as a prefix, with a word to the player, and warnings are switched on.
void loadSavedState();

// Writes the saved state when the main window goes. The old file is replaced only by a complete new one;
// on any failure the player is told, with `mainWindow` owning the box, and the old file stays as it was.
void writeSavedState(void* mainWindow);
// The same without a word to the player, for an end that can show nothing (the display is gone); false
// when the file could not be written.
bool writeSavedStateQuietly();

// What a save writes: `disk` is the file now, `known` the file as this run last read or wrote it, `own`
// this run's values at that moment and `mine` its values now. Each setting is this run's where this run
// changed it since (`mine` differs from `own`), else the file's, so that a copy writes only what it
// changed. The record likewise; where both this run and another copy changed it, the higher stays, with
// its own mark (on a tie, an honest one). The games count is the one on disk plus the games this run
// added.
SaveRecord mergeSaveRecords(const SaveRecord& disk, const SaveRecord& known, const SaveRecord& own,
                            const SaveRecord& mine);

// At start-up, the files that copies of the game no longer running left behind: their temporary saves
// (one that holds the only complete record is put in its place) and their script files.
void removeLeftovers();

// The record as the page keeps it in the browser's local storage: the hexadecimal digits of its bytes.
// Read as tolerantly as the file: digits of either case, white space anywhere, a last half byte left
// out. False when the text holds anything else: it cannot be read.
bool bytesFromStoredText(const std::string& text, std::string& bytes);

// Where the file lives, supplied by the platform.
std::filesystem::path savedStatePath();        // written there, and read there first
std::filesystem::path legacySavedStatePath();  // read when the first does not exist; never written
// Flushes the content of the file at `path` to the disk; false when it could not.
bool flushFile(const std::filesystem::path& path);
// Flushes a folder's entries (a file moved into it, a folder made in it) to the disk; false when it could
// not.
bool flushFolder(const std::filesystem::path& folder);
// Serialises the saves of copies of the game running at once: waits for the lock file `path`, and gives
// a handle to unlock it with; null when no lock can be had (the save goes on without it).
void* lockFile(const std::filesystem::path& path);
void unlockFile(void* lock);
// Moves the complete file `from` over `to` in one step; false when it could not. A failure may still
// have moved or removed `to` (Windows' ReplaceFile can leave either), never `from`.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);
// The fallback when the replace failed: a plain move of `from` over `to`, whatever is there now, as
// durable as the replace (the moved content on the disk before `from` goes).
bool moveFileOver(const std::filesystem::path& from, const std::filesystem::path& to);

// The temporary file a write of this process goes to, beside `target`: two copies of the game closing at
// once never share one.
std::filesystem::path temporarySavePath(const std::filesystem::path& target);
