// saved_state.cpp -- the saved-state file: eleven little-endian 32-bit values kept from run to run.
#include "app/saved_state.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <system_error>

#include "app/message_box.h"
#include "game/platform.h"

namespace {

const char kOldSaveText[] =
    "Votre sauvegarde est vieille, elle va être mise à jour. Vous n'allez perdre AUCUNE donnée!\n"
    "Vous devriez jeter un coup d'oeil aux options qui n'existaient pas avant pour voir si les réglages "
    "vous satisfont...";

// The fields in file order. The last one, warningsOn, is read only from a complete file.
std::int32_t* const kFields[kSaveValueCount] = {
    &gameState.drawing.backgroundMode, &gameState.game.record,       &gameState.settings.lancers,
    &gameState.settings.timer,         &gameState.game.recordCheated, &gameState.settings.aide,
    &gameState.game.gamesPlayed,       &gameState.settings.passers,  &gameState.shell.animationsOn,
    &gameState.settings.filtrage,      &gameState.shell.warningsOn,
};

// Reads up to 44 bytes of the file at `path`; false when it cannot be opened.
bool readSaveFile(const std::filesystem::path& path, unsigned char* bytes, std::size_t& size) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.read(reinterpret_cast<char*>(bytes), kSaveFileSize);
    size = static_cast<std::size_t>(in.gcount());
    return true;
}

// True when `path` holds a whole record (a file of at least 44 bytes).
bool holdsCompleteRecord(const std::filesystem::path& path) {
    unsigned char bytes[kSaveFileSize];
    std::size_t size = 0;
    return readSaveFile(path, bytes, size) && size == kSaveFileSize;
}

// Writes the complete new file beside the old one, then puts it in its place. The temporary file is
// removed only while a complete file is in place: after a half-done replace it may be the only copy.
bool replaceSaveFile(const std::filesystem::path& path, const unsigned char* bytes) {
    std::error_code error;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
    const std::filesystem::path temporary = temporarySavePath(path);
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(reinterpret_cast<const char*>(bytes), kSaveFileSize);
            out.flush();
            out.close();
            written = !out.fail();
        }
    }
    if (!written) {
        std::filesystem::remove(temporary, error);  // incomplete: worth nothing
        return false;
    }
    if (replaceFile(temporary, path) || moveFileOver(temporary, path)) return true;
    if (holdsCompleteRecord(path)) std::filesystem::remove(temporary, error);
    return false;
}

}  // namespace

std::filesystem::path temporarySavePath(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += "." + std::to_string(processNumber()) + ".tmp";
    return temporary;
}

int decodeSaveRecord(const unsigned char* bytes, std::size_t size, SaveRecord& record) {
    int count = 0;
    for (; count < kSaveValueCount && size >= 4 * (count + 1u); ++count) {
        const unsigned char* b = bytes + 4 * count;
        const std::uint32_t u = b[0] | b[1] << 8 | b[2] << 16 | std::uint32_t{b[3]} << 24;
        record.values[count] = static_cast<std::int32_t>(u);
    }
    return count;
}

void encodeSaveRecord(const SaveRecord& record, unsigned char* bytes) {
    for (int i = 0; i < kSaveValueCount; ++i) {
        const auto u = static_cast<std::uint32_t>(record.values[i]);
        for (int b = 0; b < 4; ++b) bytes[4 * i + b] = static_cast<unsigned char>(u >> (8 * b));
    }
}

void loadSavedState() {
    std::error_code error;
    std::filesystem::path path = savedStatePath();
    if (!std::filesystem::exists(path, error)) path = legacySavedStatePath();
    unsigned char bytes[kSaveFileSize];
    std::size_t size = 0;
    if (!readSaveFile(path, bytes, size)) return;  // first run: the defaults stand, silently

    SaveRecord& record = gameState.shell.saveRecord;
    const int count = decodeSaveRecord(bytes, size, record);
    if (count < kSaveValueCount) {
        char caption[16];
        std::snprintf(caption, sizeof caption, "%i", count);
        showMessageBox(nullptr, kOldSaveText, caption, kBoxOk | kBoxIconInformation);
    }
    // An older file leaves the values it lacks at the buffer's zero; warnings were new, so they start on.
    for (int i = 0; i < kSaveValueCount - 1; ++i) *kFields[i] = record.values[i];
    *kFields[kSaveValueCount - 1] = count == kSaveValueCount ? record.values[kSaveValueCount - 1] : 1;
}

void writeSavedState(void* mainWindow) {
    SaveRecord& record = gameState.shell.saveRecord;
    for (int i = 0; i < kSaveValueCount; ++i) record.values[i] = *kFields[i];
    unsigned char bytes[kSaveFileSize];
    encodeSaveRecord(record, bytes);
    if (!replaceSaveFile(savedStatePath(), bytes)) {
        showMessageBox(mainWindow, "Pas pu enregistrer", "Oups...", kBoxOk | kBoxIconError);
    }
}
