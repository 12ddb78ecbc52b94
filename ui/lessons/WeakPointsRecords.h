// What the weak-points lesson keeps besides the character totals of char_stats, in two tables
// of the history database made when it opens (CREATE TABLE IF NOT EXISTS, so a database of
// any schema version gains them and keeps them):
//   confusions(expected, written, count): what was written in place of an expected character;
//   char_pace(character, best, recent): seconds spent per time a character was written, the
//   best of any lesson and a recent one (each lesson's figure averaged into the one before).
#pragma once

#include <string>
#include <vector>

#include "ui/lessons/LessonRun.h"

struct sqlite3;

namespace dazi::lessons {

struct Confusion {
  std::string expected;  // UTF-8
  std::string written;   // UTF-8
  int count = 0;
};

struct CharPace {
  std::string character;  // UTF-8
  double best = 0;        // seconds per time written
  double recent = 0;
};

// Makes the tables where they are missing; false with the reason.
bool CreateWeakPointsTables(sqlite3* db, std::string* error);

// Adds one lesson's tallies: what each character was written as instead, and its pace. Runs
// inside the caller's transaction; false on failure.
bool AddWeakPointsRecords(sqlite3* db, const std::vector<CharTally>& tallies);

// Everything recorded, most frequent confusions first.
std::vector<Confusion> ReadConfusions(sqlite3* db);
std::vector<CharPace> ReadPace(sqlite3* db);

}  // namespace dazi::lessons
