// game_state.h -- GameState, the one record that holds the whole state of Le cinquor.
#pragma once

#include <cstdint>

constexpr int kDiceCount = 5;
constexpr int kCategoryCount = 15;
constexpr int kUpperCategoryCount = 6;  // "As" to "Six"
constexpr int kFaceCount = 6;

// Sheet order of the fifteen categories; indexes 0 to 5 are the upper ones, face = index + 1.
enum Category : int {
    kAs, kDeux, kTrois, kQuatre, kCinq, kSix,
    kUnePaire, kDeuxPaires, kBrelan, kCarre, kFull, kPetiteSuite, kGrandeSuite, kChance, kCinquor
};

constexpr std::int32_t kFirstCinquorValue = 50;  // what five equal dice are worth in a fresh game
constexpr std::int32_t kUpperBonus = 35;
constexpr std::int32_t kUpperBonusThreshold = 63;

// 0x00BBGGRR: red in the low byte, the platform's RGB word.
using Colour = std::uint32_t;

// Opaque drawing handles: the portable code passes them around, only the drawing seam looks inside.
struct Surface;
struct Font;

// The moves of the game: dice, sheet, counters, record, pointer and the results of the hover pass.
// Written by game/ (turn cycle, frame bookkeeping, hover pass), app/ for the pointer and the button,
// render/ for hoveredDie and the clearing of the panel requests, app/ (saved state, Options dialog) for
// record, recordCheated and gamesPlayed.
struct GameFields {
    std::int32_t dice[kDiceCount] = {};            // face 1..6 of each die; 0 until the first roll frame
    std::int32_t heldDice[kDiceCount] = {};        // flag: die keeps its face during rolls
    std::int32_t categoryUsed[kCategoryCount] = {};  // flag: category written and closed
    std::int32_t upperValues[kUpperCategoryCount] = {};  // points written in "As".."Six"
    std::int32_t fiveOfAKindValue = kFirstCinquorValue;  // worth of "Cinquor"; +50 at each write of it
    std::int32_t rollInProgress = 1;  // the program starts with a roll under way
    std::int32_t rollFrame = 0;       // frames of the current roll
    std::int32_t rollsThisTurn = 0;   // completed rolls, shown as "Lancer %i"
    std::int32_t score = 0;
    std::int32_t displayedScore = 0;  // catches up with score, one step per paint
    std::int32_t upperBonusGiven = 0;
    std::int32_t passesUsed = 0;
    std::int32_t gameCheated = 0;       // this game was played with easier settings at some paint
    std::int32_t newGameRequested = 0;  // the next paint starts a new game
    std::int32_t record = 0;            // best score, kept in the saved state
    std::int32_t recordCheated = 0;     // the record came from a marked game, shown as "*"
    std::int32_t gamesPlayed = 0;       // kept in the saved state
    std::int32_t mouseX = 0;            // pointer in board coordinates (app/), 0,0 after any typed key
    std::int32_t mouseY = 0;
    std::int32_t buttonDown = 0;      // left button held (app/ sets it, releaseAt clears it)
    std::int32_t hoveredDie = 0;      // 0..4 on a die, 5 or 6 past the last die, 10 off the band (render/)
    std::int32_t selectedValue = 0;   // value of the last category evaluated, "Valeur: %03i"
    std::int32_t poorChoice = 0;      // that value is under the category's par
    const char* helpText = "Bienvenue dans le cinquor!";  // status line, always a constant text
    std::int32_t categoryPanelLit = 0;  // one-shot panel requests of the hover pass, cleared by the paint
    std::int32_t categoryPanelX = 0;
    std::int32_t categoryPanelY = 0;
    std::int32_t rollPanelLit = 0;
    std::int32_t passPanelLit = 0;
    std::int32_t cursor = -1;    // the keyboard's cursor on a control (game/keys), -1 while the pointer leads
    std::int32_t pointerX = -1;  // where the pointer itself was last reported (app/, through game/keys)
    std::int32_t pointerY = -1;
    std::int32_t recordRaised = 0;    // this game's score went past the record (game/frame)
    std::int32_t bonusAnnounced = 0;  // what was told of this game (game/announce)
    std::int32_t endAnnounced = 0;
    std::int32_t writtenValues[kCategoryCount] = {};  // points written in each category this game (game/turn)
};

// The look and the rules, named after their configuration keys. Written by config/ at start-up, by the
// saved state (app/) for timer, lancers, aide, passers and filtrage, then by the menu and the Options dialog.
struct Settings {
    char imagefond[100] = "fond.bmp";
    char imagedes[100] = "des.bmp";
    std::int32_t modecouleur = 255;  // full intensity of numeric colour components and levels
    Colour couleurfct = 0x0000FFFF;
    Colour couleurfctutil = 0x00808080;
    Colour couleurlancer = 0x00FF80FF;
    Colour couleurscore = 0x00FF8080;
    Colour couleurrecord = 0x00FFFF00;
    Colour couleursoustotal = 0x00FFFF00;
    Colour couleurbetise = 0x008080FF;
    Colour couleuraide = 0x00FFFFFF;
    Colour couleurpasser = 0x000080FF;
    Colour couleurretenu = 0x000000FF;
    Colour couleurintermediaire = 0x000000C0;
    Colour couleurpasretenu = 0x00000080;
    Colour couleurselection = 0x00FF0000;
    Colour couleurselectionde = 0x007F0000;
    std::int32_t transparence = 0;     // blend mode of the panels
    std::int32_t transparencede = 0;   // blend mode of the pointed die
    std::int32_t niveautransparence = 100;
    std::int32_t niveautransparencede = 128;
    std::int32_t textegras = 1;
    std::int32_t timer = 50;     // tick interval in milliseconds
    std::int32_t lancers = 3;    // rolls per turn
    std::int32_t aide = 1;       // status line shows the help texts
    std::int32_t passers = 0;    // passes per game
    std::int32_t filtrage = 0;   // smooth stretching of the board
};

// The eleven values of the saved-state file, in file order. Written by app/ when it reads or writes it.
constexpr int kSaveValueCount = 11;
struct SaveRecord {
    std::int32_t values[kSaveValueCount] = {};
};

// What the window shell keeps. Written by app/.
struct ShellFields {
    void* appInstance = nullptr;  // the module instance, opaque here
    char windowTitle[100] = {};
    char windowClassName[100] = {};
    std::int32_t timerChanged = 0;  // the Options dialog changed timer; the window procedure restarts it
    std::int32_t animationsOn = 1;
    std::int32_t warningsOn = 1;
    std::int32_t initialClientWidth = 511;  // logical board size, captured over the first ten messages
    std::int32_t initialClientHeight = 446;
    std::int32_t messageCount = 0;
    SaveRecord saveRecord;  // the buffer the saved-state file is read into and written from: the file as
                            // this run last read or wrote it
    SaveRecord savedOwn;    // this run's own values at that moment: what differs now, this run changed
};

// Fonts, surfaces and the paint's own state. Written by render/.
struct DrawingResources {
    Font* textFont = nullptr;
    Font* labelFont = nullptr;
    Font* bigFont = nullptr;
    Surface* boardSurface = nullptr;
    Surface* backgroundSurface = nullptr;
    Surface* diceSurface = nullptr;
    Surface* panelSurface = nullptr;
    unsigned char* boardPixels = nullptr;  // the board section's pixels (render/), null for a device surface
    std::int32_t paintStage = 2;           // 2 loading message, 1 build the surfaces, 0 frames
    std::int32_t backgroundMode = 0;       // 0 image, 1 black, other: keep the last frame
};

struct GameState {
    GameFields game;
    Settings settings;
    ShellFields shell;
    DrawingResources drawing;
};

// The one instance. Every part of the program reads it directly.
extern GameState gameState;

// Derived values of the sheet, never stored.
int usedCount();          // categories written, 0..15; the game is over at 15
std::int32_t upperSubtotal();  // sum of the six upper values, "Sous-total: %03i"
std::int32_t passesLeft();     // passers - passesUsed without wrapping, 0 when none are left
