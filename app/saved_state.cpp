// saved_state.cpp -- the saved-state file: eleven little-endian 32-bit values kept from run to run.
#include "app/saved_state.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "app/message_box.h"
#include "config/configuration.h"
#include "game/int32.h"
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

// Makes the folders of `folder` that are missing, and flushes each new one's entry in its parent.
bool makeFolders(const std::filesystem::path& folder) {
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(folder, error)) return true;
    if (!makeFolders(folder.parent_path())) return false;
    if (!std::filesystem::create_directory(folder, error) && !std::filesystem::is_directory(folder, error)) {
        return false;
    }
    return flushFolder(folder.has_parent_path() ? folder.parent_path() : ".");
}

bool writeBytes(std::ofstream& out, const unsigned char* bytes) {
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes), kSaveFileSize);
    out.close();
    return !out.fail();
}

// Writes the complete new file beside the old one, flushes it to the disk, puts it in the old one's place
// and flushes the folder, so that a crash at any moment leaves the old record or the new one, never an
// empty file. The temporary file is removed only while a complete file is in place: after a half-done
// replace it may be the only copy. The folder exists already, or the write fails.
bool replaceSaveFile(const std::filesystem::path& path, const unsigned char* bytes) {
    std::error_code error;
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const std::filesystem::path temporary = temporarySavePath(path);
    // Held from its making to its move, so that a copy starting meanwhile never takes it for a dead one's.
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    void* hold = out ? holdFile(temporary.string().c_str()) : nullptr;
    const bool written = writeBytes(out, bytes) && flushFile(temporary);
    bool saved = false;
    if (!written) {
        std::filesystem::remove(temporary, error);  // not safely on the disk: worth nothing
    } else if (replaceFile(temporary, path) || moveFileOver(temporary, path)) {
        saved = flushFolder(folder);
    } else if (holdsCompleteRecord(path)) {
        std::filesystem::remove(temporary, error);
    }
    releaseFile(hold);
    return saved;
}

std::filesystem::path lockPath(const std::filesystem::path& path) {
    std::filesystem::path lock = path;
    lock += ".lock";
    return lock;
}

bool isHonest(std::int32_t mark) { return mark != 1; }  // the board marks a record only when it is 1

constexpr int kRecord = 1;
constexpr int kRecordCheated = 4;
constexpr int kGamesPlayed = 6;

// The number of the process that left `name`, when it reads prefix + digits + suffix; 0 otherwise.
unsigned long leftBy(const std::string& name, const std::string& prefix, const std::string& suffix) {
    if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return 0;
    }
    const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
    return std::stoul(digits);
}

// The files in `folder` named prefix + a process number + suffix that no running copy holds. The number
// alone cannot tell: another PID namespace, or a number used again, may hide a living copy or show a dead
// one's as running.
std::vector<std::filesystem::path> leftoversIn(const std::filesystem::path& folder, const std::string& prefix,
                                               const std::string& suffix) {
    std::vector<std::filesystem::path> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (leftBy(it->path().filename().string(), prefix, suffix) != 0 &&
            !fileInUse(it->path().string().c_str())) {
            found.push_back(it->path());
        }
    }
    return found;
}

// This run's eleven values, in file order.
SaveRecord ownValues() {
    SaveRecord record;
    for (int i = 0; i < kSaveValueCount; ++i) record.values[i] = *kFields[i];
    return record;
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
    if (!readSaveFile(path, bytes, size)) {  // first run: the defaults stand, silently
        gameState.shell.savedOwn = ownValues();
        return;
    }

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
    gameState.shell.savedOwn = ownValues();
}

SaveRecord mergeSaveRecords(const SaveRecord& disk, const SaveRecord& known, const SaveRecord& own,
                            const SaveRecord& mine) {
    SaveRecord merged;
    const std::int32_t* d = disk.values;
    const std::int32_t* m = mine.values;
    const auto changedHere = [&](int i) { return m[i] != own.values[i]; };
    for (int i = 0; i < kSaveValueCount; ++i) merged.values[i] = changedHere(i) ? m[i] : d[i];

    const bool recordHere = changedHere(kRecord) || changedHere(kRecordCheated);
    const bool recordThere = d[kRecord] != known.values[kRecord] || d[kRecordCheated] != known.values[kRecordCheated];
    // Both made or cleared a record: the higher stays. A record cleared here stays cleared, unless another
    // copy made a new one meanwhile.
    const bool theirs = !recordHere || (recordThere && (d[kRecord] > m[kRecord] ||
                                                        (d[kRecord] == m[kRecord] && isHonest(d[kRecordCheated]))));
    merged.values[kRecord] = theirs ? d[kRecord] : m[kRecord];
    merged.values[kRecordCheated] = theirs ? d[kRecordCheated] : m[kRecordCheated];
    merged.values[kGamesPlayed] = int32::add(d[kGamesPlayed], int32::sub(m[kGamesPlayed], own.values[kGamesPlayed]));
    return merged;
}

bool writeSavedStateQuietly() {
    SaveRecord mine = ownValues();
    const std::filesystem::path path = savedStatePath();
    makeFolders(path.parent_path());  // for the lock and the file; a failure shows in the write
    SaveRecord& known = gameState.shell.saveRecord;
    void* lock = lockFile(lockPath(path));
    unsigned char bytes[kSaveFileSize];
    std::size_t size = 0;
    SaveRecord disk;
    const SaveRecord merged = readSaveFile(path, bytes, size) && decodeSaveRecord(bytes, size, disk) == kSaveValueCount
                                  ? mergeSaveRecords(disk, known, gameState.shell.savedOwn, mine)
                                  : mine;
    encodeSaveRecord(merged, bytes);
    const bool saved = replaceSaveFile(path, bytes);
    if (saved) {
        // The run goes on with the record and the games count it wrote, another copy's included, so that
        // its next save does not undo them. Its settings stay its own until it changes them.
        for (int i : {kRecord, kRecordCheated, kGamesPlayed}) *kFields[i] = merged.values[i];
        known = merged;
        gameState.shell.savedOwn = ownValues();
    }
    unlockFile(lock);
    return saved;
}

void writeSavedState(void* mainWindow) {
    if (!writeSavedStateQuietly()) {
        showMessageBox(mainWindow, "Pas pu enregistrer", "Oups...", kBoxOk | kBoxIconError);
    }
}

bool bytesFromStoredText(const std::string& text, std::string& bytes) {
    std::string digits;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u == ' ' || u == '\t' || u == '\r' || u == '\n') continue;
        if (!std::isxdigit(u)) return false;
        digits += static_cast<char>(std::tolower(u));
    }
    bytes.clear();
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
    }
    return true;
}

void removeLeftovers() {
    std::error_code error;
    const std::filesystem::path save = savedStatePath();
    const std::filesystem::path folder = save.has_parent_path() ? save.parent_path() : ".";
    const std::string savePrefix = save.filename().string() + ".";
    void* lock = nullptr;  // taken only when there is something to clear: a save under way finishes first
    for (const std::filesystem::path& temporary : leftoversIn(folder, savePrefix, ".tmp")) {
        if (!lock) lock = lockFile(lockPath(save));
        // A copy that died between its replace and its clean-up may have left the only complete record:
        // it takes the record's place as durably as a save puts it there.
        if (!holdsCompleteRecord(save) && holdsCompleteRecord(temporary) && flushFile(temporary) &&
            moveFileOver(temporary, save) && flushFolder(folder)) {
            continue;
        }
        // Kept only while it is the one complete record that could not be put in place.
        if (holdsCompleteRecord(save) || !holdsCompleteRecord(temporary)) std::filesystem::remove(temporary, error);
    }
    unlockFile(lock);
    for (const std::filesystem::path& script : leftoversIn(".", kScriptFilePrefix, ".txt")) {
        std::filesystem::remove(script, error);
    }
    const std::string privateScripts = privateFolder();
    if (privateScripts.empty()) return;
    for (const std::filesystem::path& script : leftoversIn(privateScripts, kTemporaryScriptFilePrefix, ".txt")) {
        std::filesystem::remove(script, error);
    }
}
