// configuration.cpp -- the configuration file: settings, includes, and the decoration lines it passes on.
#include "config/configuration.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "config/text_file.h"
#include "config/values.h"
#include "game/game_state.h"
#include "game/platform.h"

const char kScriptFilePrefix[] = "instr-";
const char kTemporaryScriptFilePrefix[] = "cinquor-instr-";

namespace {

// prefix + this process's number + ".txt".
std::string ownFileName(const char* prefix) { return prefix + std::to_string(processNumber()) + ".txt"; }

std::string scriptFile;  // empty until chosen
void* scriptHold = nullptr;  // this run holds its script file while it exists

// Creates the file at `path` for this run alone and holds it; null when something stands there already.
std::FILE* createHeld(const std::string& path) {
    std::FILE* file = createOwnFile(path.c_str());
    if (file) {
        releaseFile(scriptHold);
        scriptHold = holdFile(path.c_str());
    }
    return file;
}

// Creates the script file: in the current folder, else (a folder the player cannot write, or a name
// already taken) in a private folder of the player's. Null when neither can be had.
std::FILE* createScriptFile() {
    if (scriptHold) deleteScriptFile();  // this run's earlier one
    scriptFile = scriptFileName();
    if (std::FILE* file = createHeld(scriptFile)) return file;
    const std::string folder = privateFolder();
    if (folder.empty()) return nullptr;
    scriptFile = (std::filesystem::path(folder) / ownFileName(kTemporaryScriptFilePrefix)).string();
    return createHeld(scriptFile);
}

enum class Kind { Text, Integer, Scale, Colour, YesNo, Blend, Level, Include };

struct Key {
    const char* key;  // with its "="
    Kind kind;
    void* field;       // the setting, of the kind's type
    void* levelField;  // for Blend: the level that "moyenne(" and "masque(" set
};

Settings& settings() { return gameState.settings; }

// Every key ends in its "=" and holds no other, so no line begins with two of them.
const Key kKeys[] = {
    {"imagefond=", Kind::Text, settings().imagefond, nullptr},
    {"imagedes=", Kind::Text, settings().imagedes, nullptr},
    {"modecouleur=", Kind::Scale, &settings().modecouleur, nullptr},
    {"couleurfct=", Kind::Colour, &settings().couleurfct, nullptr},
    {"couleurfctutil=", Kind::Colour, &settings().couleurfctutil, nullptr},
    {"couleurlancer=", Kind::Colour, &settings().couleurlancer, nullptr},
    {"couleurscore=", Kind::Colour, &settings().couleurscore, nullptr},
    {"couleurrecord=", Kind::Colour, &settings().couleurrecord, nullptr},
    {"couleursoustotal=", Kind::Colour, &settings().couleursoustotal, nullptr},
    {"couleurbetise=", Kind::Colour, &settings().couleurbetise, nullptr},
    {"couleuraide=", Kind::Colour, &settings().couleuraide, nullptr},
    {"couleurpasser=", Kind::Colour, &settings().couleurpasser, nullptr},
    {"couleurretenu=", Kind::Colour, &settings().couleurretenu, nullptr},
    {"couleurintermediaire=", Kind::Colour, &settings().couleurintermediaire, nullptr},
    {"couleurpasretenu=", Kind::Colour, &settings().couleurpasretenu, nullptr},
    {"couleurselection=", Kind::Colour, &settings().couleurselection, nullptr},
    {"couleurselectionde=", Kind::Colour, &settings().couleurselectionde, nullptr},
    {"transparence=", Kind::Blend, &settings().transparence, &settings().niveautransparence},
    {"transparencede=", Kind::Blend, &settings().transparencede, &settings().niveautransparencede},
    {"niveautransparence=", Kind::Level, &settings().niveautransparence, nullptr},
    {"niveautransparencede=", Kind::Level, &settings().niveautransparencede, nullptr},
    {"textegras=", Kind::YesNo, &settings().textegras, nullptr},
    {"timer=", Kind::Integer, &settings().timer, nullptr},
    {"lancers=", Kind::Integer, &settings().lancers, nullptr},
    {"aide=", Kind::Integer, &settings().aide, nullptr},
    {"passers=", Kind::Integer, &settings().passers, nullptr},
    {"filtrage=", Kind::YesNo, &settings().filtrage, nullptr},
    {"inclure=", Kind::Include, nullptr, nullptr},
};

const Key* findKey(const char* line) {
    for (const Key& k : kKeys) {
        if (beginsWith(line, k.key)) return &k;
    }
    return nullptr;
}

void setValue(const Key& k, const char* value) {
    const std::int32_t scale = gameState.settings.modecouleur;
    auto* number = static_cast<std::int32_t*>(k.field);
    switch (k.kind) {
        case Kind::Text:
            // A longer path would have to be cut, and a cut path names another file: keep the old one.
            if (std::strlen(value) < sizeof Settings::imagefond) std::strcpy(static_cast<char*>(k.field), value);
            break;
        case Kind::Integer:
        case Kind::Scale:
            *number = readInteger(value);
            break;
        case Kind::Colour:
            *static_cast<Colour*>(k.field) = parseColour(value, scale);
            break;
        case Kind::YesNo:
            *number = parseYesNo(value);
            break;
        case Kind::Blend:
            parseBlendMode(value, scale, *number, *static_cast<std::int32_t*>(k.levelField));
            break;
        case Kind::Level:
            *number = scaleToFull(readInteger(value), scale);
            break;
        case Kind::Include:
            break;
    }
}

void writeScriptLine(std::FILE* script, const char* line) {
    if (!script) return;
    std::fputs(line, script);
    std::fputs("\r\n", script);
}

}  // namespace

std::string scriptFileName() { return ownFileName(kScriptFilePrefix); }

std::FILE* recreateScriptFile() { return createHeld(scriptFilePath()); }

void deleteScriptFile() {
    std::remove(scriptFilePath());
    releaseFile(scriptHold);
    scriptHold = nullptr;
}

const char* scriptFilePath() {
    if (scriptFile.empty()) scriptFile = scriptFileName();
    return scriptFile.c_str();
}

void normaliseLine(char* line) {
    bool quoted = false;
    char* out = line;
    for (const char* in = line; *in; ++in) {
        const unsigned char c = static_cast<unsigned char>(*in);
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted) {
            if (c == '_' || c == ' ' || c == '\t') continue;
            if (c == 0xE9 || c == 0xEA) {  // é ê
                *out++ = 'e';
                continue;
            }
            if (c == 0xE0 || c == 0xE2) {  // à â
                *out++ = 'a';
                continue;
            }
            if (c >= 'A' && c <= 'Z') {
                *out++ = static_cast<char>(c - 'A' + 'a');
                continue;
            }
        }
        *out++ = static_cast<char>(c);
    }
    *out = '\0';
}

void readConfiguration(const char* path) {
    std::FILE* script = createScriptFile();
    std::FILE* files[kMaxIncludeDepth + 1] = {};
    int top = 0;  // index of the file being read; the number of included files open above the main one
    int included = 0;
    files[0] = openForReading(path);
    if (!files[0]) {
        if (script) std::fclose(script);
        return;
    }
    char line[kLineBufferSize];
    while (top >= 0) {
        if (!readLine(files[top], line)) {
            std::fclose(files[top--]);
            continue;
        }
        normaliseLine(line);
        const Key* key = findKey(line);
        if (key && key->kind == Kind::Include && top < kMaxIncludeDepth && included < kMaxIncludedFiles) {
            std::FILE* file = openForReading(line + std::strlen(key->key));
            if (!file) break;  // a missing include ends the whole reading
            files[++top] = file;
            ++included;
        } else if (key && key->kind != Kind::Include) {
            setValue(*key, line + std::strlen(key->key));
        } else {
            writeScriptLine(script, line);  // decorations, comments, empty lines, includes too deep
        }
    }
    for (; top >= 0; --top) std::fclose(files[top]);
    if (script) std::fclose(script);
}
