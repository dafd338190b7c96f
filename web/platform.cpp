// platform.cpp -- what the rules and the shell ask of the browser: repaints, the boxes and dialogs
// (HTML dialogs the module waits for), random numbers, the game's files fetched from the page's folder
// when first read, and the saved-state file, kept in the browser's local storage.
#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <system_error>

#include "web/app.h"
#include "app/message_box.h"
#include "app/saved_state.h"
#include "app/shell.h"
#include "config/file_names.h"
#include "game/platform.h"
#include "render/draw.h"
#include "web/draw.h"
#include "render/shown_frame.h"
#include "render/text_encoding.h"

namespace {

bool repaintWanted = false;  // asked for during the event under way

// The page's folder as it was built: names the game may read, fetched from the server when first read.
std::set<std::string> notFetched;

EM_JS(bool, jsPaintPending, (), { return Module.cinquorPage.paintPending(); });

// The file `name` of the page's folder into the module's file `name` (its folders made: a host may add
// a folder of pictures); false when the server has none.
EM_ASYNC_JS(bool, jsFetch, (const char* name), {
    Module.cinquorBusy = true;
    try {
        var file = UTF8ToString(name);
        var response = await fetch(Module.cinquorPage.at(file.split('/').map(encodeURIComponent).join('/')));
        if (!response.ok) return false;
        var slash = file.lastIndexOf("/");
        if (slash > 0) FS.mkdirTree(FS.cwd() + "/" + file.slice(0, slash));
        FS.writeFile(file, new Uint8Array(await response.arrayBuffer()));
        return true;
    } catch (e) {
        return false;
    } finally {
        Module.cinquorBusy = false;
    }
});

EM_ASYNC_JS(int, jsBox, (const char* text, const char* caption, unsigned style), {
    Module.cinquorBoxOpen = true;
    try {
        return await Module.cinquorPage.box(UTF8ToString(text), UTF8ToString(caption), style);
    } finally {
        Module.cinquorBoxOpen = false;
    }
});

EM_ASYNC_JS(void, jsOptions, (int timer, int rolls, int passes), {
    Module.cinquorBoxOpen = true;
    try {
        await Module.cinquorPage.options(String(timer), String(rolls), String(passes));
    } finally {
        Module.cinquorBoxOpen = false;
    }
});

EM_ASYNC_JS(void, jsAbout, (const char* played), {
    Module.cinquorBoxOpen = true;
    try {
        await Module.cinquorPage.about(UTF8ToString(played));
    } finally {
        Module.cinquorBoxOpen = false;
    }
});

// The record in local storage, as the hexadecimal digits of its bytes.
constexpr const char* kStorageKey = "le-cinquor/dezo.sav";

// The text local storage keeps under `key`, or null when there is none (or no storage at all).
EM_JS(char*, jsStorageText, (const char* key), {
    var text = null;
    try { text = localStorage.getItem(UTF8ToString(key)); } catch (e) {}
    return text === null ? 0 : allocateUTF8(text);
});

// Puts the text under `key` aside, under `key` + ".illisible", so that nothing written later loses it.
EM_JS(void, jsStorageSetAside, (const char* key), {
    try {
        var name = UTF8ToString(key);
        localStorage.setItem(name + ".illisible", localStorage.getItem(name));
        localStorage.removeItem(name);
    } catch (e) {}
});

EM_JS(bool, jsFileToStorage, (const char* file, const char* key), {
    try {
        var bytes = FS.readFile(UTF8ToString(file));
        var text = "";
        for (var i = 0; i < bytes.length; i++) text += (bytes[i] < 16 ? "0" : "") + bytes[i].toString(16);
        localStorage.setItem(UTF8ToString(key), text);
        return true;
    } catch (e) {
        return false;
    }
});

bool exists(const std::string& name) {
    std::error_code error;
    return std::filesystem::exists(name, error);
}

}  // namespace

void requestRepaint() { repaintWanted = true; }

void settleRepaintRequest() {
    if (!repaintWanted) return;
    repaintWanted = false;
    std::int32_t width = 0;
    std::int32_t height = 0;
    windowClientSize(nullptr, width, height);
    if (!frameAlreadyShown(width, height, jsPaintPending())) requestWindowRepaint(nullptr);
}

bool confirmOkCancel(const char* text, const char* title) {
    settleRepaintRequest();  // the page paints what was asked before the box
    return showMessageBox(nullptr, text, title, kBoxOkCancel | kBoxIconExclamation) == kAnswerOk;
}

namespace {

// A box or dialog answered: the pictures it kept from being read (a key pressed while the board was
// loading) are read at the next paint, which nothing else may ask for once the first roll is over.
void boxClosed() {
    if (picturesMissedUnderBox()) requestWindowRepaint(nullptr);
}

}  // namespace

// A box the module cannot wait for (one is open already) takes its safe answer: OK for a word to the
// player, Cancel or No for a question.
int showMessageBox(void*, const char* text, const char* caption, unsigned style) {
    const unsigned buttons = style & 0x0F;
    if (!mayWait()) return buttons == kBoxYesNo ? kAnswerNo : buttons == kBoxOkCancel ? kAnswerCancel : kAnswerOk;
    const int answer = jsBox(utf8FromWindows1252(text).c_str(), utf8FromWindows1252(caption).c_str(), style);
    boxClosed();
    return answer;
}

void runOptionsDialog() {
    if (!mayWait()) return;
    const Settings& s = gameState.settings;
    jsOptions(s.timer, s.lancers, s.passers);  // OK applies the fields through web_apply_options
    boxClosed();
}

void runAboutDialog() {
    if (!mayWait()) return;
    char played[40];
    formatGamesPlayed(played, sizeof played);
    jsAbout(utf8FromWindows1252(played).c_str());
    boxClosed();
}

int nextRandom() { return std::rand(); }

unsigned long processNumber() { return 1; }  // one game a page: its files are its own

void listPageFiles(const char* names) {
    std::string name;
    for (const char* p = names;; ++p) {
        if (*p == '\n' || *p == '\0') {
            if (!name.empty() && !exists(name)) {
                std::ofstream(name, std::ios::binary);  // an empty stand-in, so that the name can be found
                notFetched.insert(name);
            }
            name.clear();
            if (*p == '\0') break;
        } else {
            name += *p;
        }
    }
}

// A path written for Windows names a file of the page's folder whatever its letter case; the file is
// fetched the first time it is read. A name the folder did not list when it was built is asked of the
// server as written, so that a host's own additions are found too.
std::string hostPath(const char* path) {
    const std::string name = findWindowsPath(path);
    const auto stub = notFetched.find(name);
    if (stub != notFetched.end()) {
        if (!mayWait()) return name;  // read as it stands for now
        notFetched.erase(stub);
        if (!jsFetch(name.c_str())) std::remove(name.c_str());
    } else if (!exists(name) && !name.empty() && name.find("..") == std::string::npos && name[0] != '/' &&
               mayWait()) {
        jsFetch(name.c_str());
    }
    return name;
}

// The record lives in the module's file system while the page runs, and in local storage between visits.
std::filesystem::path savedStatePath() { return "/sauvegarde/dezo.sav"; }
std::filesystem::path legacySavedStatePath() { return {}; }

bool restoreSavedStateFile() {
    std::error_code error;
    std::filesystem::create_directories(savedStatePath().parent_path(), error);
    char* text = jsStorageText(kStorageKey);
    std::string bytes;
    const bool readable = !text || bytesFromStoredText(text, bytes);
    if (text && readable) {
        std::ofstream(savedStatePath(), std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
    } else {
        std::filesystem::remove(savedStatePath(), error);
    }
    if (!readable) jsStorageSetAside(kStorageKey);
    std::free(text);
    return readable;
}

bool flushFile(const std::filesystem::path&) { return true; }

// The folder's new entry is the new record: it goes to local storage, where it lasts. A browser that
// refuses (storage full or forbidden) makes it a failed save, which the player is told of.
bool flushFolder(const std::filesystem::path& folder) {
    if (folder != savedStatePath().parent_path() || !exists(savedStatePath())) return true;
    return jsFileToStorage(savedStatePath().c_str(), kStorageKey);
}

// Another tab may have saved since: the record in local storage is read again before the save merges.
void* lockFile(const std::filesystem::path&) {
    restoreSavedStateFile();
    static int token;
    return &token;
}

void unlockFile(void*) {}

