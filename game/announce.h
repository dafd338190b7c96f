// announce.h -- what a screen reader is told of the game: each roll, hold, write, pass, the bonus and the
// end, once each, in the game's own words. The front ends only deliver the texts. Telling allocates
// nothing, so that the frames that tell a roll's end stay free of allocations.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The texts told since the last call, oldest first (at most the last sixteen); the queue is emptied.
std::vector<std::string> takeAnnouncements();

// The events, as the turn cycle meets them (Windows-1252, like every text of the game):
void announceRoll();                                // "Lancer 2 sur 3 : 3, 3, 5, 6, 1 ; retenus : dés 1 et 2"
void announceHold(int die);                         // "Dé 1 retenu : 5", "Dé 1 relâché : 5"
void announceWrite(int category, std::int32_t value);  // "Brelan : 24 points ; score 120"
void announcePass();                                // "Tour passé"

// Run once a frame after the sheet's books are kept: tells the bonus once it is granted and the end of a
// game, with the final score and the record, once per game.
void announceFrameEvents();
