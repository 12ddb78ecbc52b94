// The history of lessons in an SQLite database, dazi-history.sqlite in the data folder: one
// row of `sessions` per lesson stored, and per character the running totals of `char_stats`.
// A database that cannot be read is renamed aside and a fresh one made; nothing here throws,
// and a failure only turns into a message, so typing goes on without history.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ui/lessons/LessonRun.h"
#include "ui/lessons/WeakPointsRecords.h"

struct sqlite3;

namespace dazi::lessons {

inline constexpr char kHistoryFile[] = "dazi-history.sqlite";
inline constexpr int kHistorySchemaVersion = 2;

struct SessionRow {
  std::string lesson;        // lesson id
  std::string method;        // "pinyin" or "keypad"
  std::int64_t started = 0;  // seconds since 1970
  double seconds = 0;
  int chars = 0;
  int wrong = 0;
  int keys = 0;
  int backspaces = 0;
  double cpm = 0;
  double accuracy = 0;
  bool finished = false;  // the last character was written (a timed test: its time ran out)
  int length = 0;         // characters of the lesson; 0 in rows kept from schema 1
};

struct LessonSummary {
  double bestCpm = 0;  // of the finished runs only
  double lastAccuracy = 0;
  int sessions = 0;
};

// Where ExportCsv puts `char_stats` beside the sessions file: "history.csv" ->
// "history-char_stats.csv".
std::string CharStatsCsvPath(const std::string& sessionsCsv);

class LessonHistory {
 public:
  explicit LessonHistory(std::string path);
  ~LessonHistory();
  LessonHistory(const LessonHistory&) = delete;
  LessonHistory& operator=(const LessonHistory&) = delete;

  // Opens the database on first use. A damaged or unreadable file is renamed to
  // "<path>.damaged" (or .damaged-2, ...) and a fresh one made; the message for the user is
  // added to *notices. False when no database could be had at all.
  bool Open(std::vector<std::string>* notices);

  // Adds the session and the characters' tallies in one transaction; false with the reason.
  bool Store(const SessionRow& session, const std::vector<CharTally>& tallies, std::string* error);

  // Past sessions of a lesson, oldest first.
  std::vector<SessionRow> Sessions(const std::string& lesson);
  // Best speed (of the finished runs) and last accuracy by lesson id.
  std::map<std::string, LessonSummary> Summaries();
  // Every character's totals.
  std::vector<CharTally> CharStats();
  // What the weak-points lesson keeps besides (ui/lessons/WeakPointsRecords.h).
  std::vector<Confusion> Confusions() {
    return db_ ? ReadConfusions(db_) : std::vector<Confusion>();
  }
  std::vector<CharPace> Pace() { return db_ ? ReadPace(db_) : std::vector<CharPace>(); }

  // Writes `sessions` to sessionsCsv and `char_stats` to charsCsv as CSV (UTF-8, a header
  // row, every column); false with the reason when the database or a file fails.
  bool ExportCsv(const std::string& sessionsCsv, const std::string& charsCsv, std::string* error);

  const std::string& Path() const { return path_; }

 private:
  bool OpenFresh(std::string* error);
  bool Usable(std::string* error);
  bool Migrate(int found, std::string* error);
  void Close();

  std::string path_;
  sqlite3* db_ = nullptr;
  bool tried_ = false;
};

}  // namespace dazi::lessons
