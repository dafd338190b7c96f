// fake_store.h -- where the saved-state tests keep the file: paths in the current folder, and a
// replacement that can be told to fail.
#pragma once

namespace fake {

struct Store {
    const char* path = "saves/dezo.sav";
    const char* legacyPath = "old-dezo.sav";
    bool replaceFails = false;
    int replacements = 0;
};

extern Store store;

}  // namespace fake
