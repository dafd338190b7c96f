// announce.h -- what a screen reader is told of the game: each roll, hold, write, bonus and the end, once
// each, in the game's own words. The front ends only deliver the texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Queues `text` to be told.
void announce(std::string text);

// The texts queued since the last call, oldest first; the queue is emptied.
std::vector<std::string> takeAnnouncements();

// What each event of the game says (Windows-1252, like every text of the game).
std::string rollAnnouncement();             // "Lancer 2 sur 3 : 3, 3, 5, 6, 1 ; retenus : dés 1 et 2"
std::string holdAnnouncement(int die);      // "Dé 1 retenu : 5", "Dé 1 relâché : 5"
std::string writeAnnouncement(int category, std::int32_t value);  // "Brelan : 24 points ; score 120"

// Run once a frame after the sheet's books are kept: tells the bonus once it is granted and the end of a
// game, with the final score and the record, once per game.
void announceFrameEvents();
