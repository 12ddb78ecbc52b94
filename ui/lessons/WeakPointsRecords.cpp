#include "ui/lessons/WeakPointsRecords.h"

#include <sqlite3.h>

namespace dazi::lessons {
namespace {

constexpr const char* kTables =
    "CREATE TABLE IF NOT EXISTS confusions ("
    " expected TEXT NOT NULL, written TEXT NOT NULL, count INTEGER NOT NULL,"
    " PRIMARY KEY (expected, written));"
    "CREATE TABLE IF NOT EXISTS char_pace ("
    " character TEXT PRIMARY KEY, best REAL NOT NULL, recent REAL NOT NULL);";

// A prepared statement, finalized on leaving the scope.
class Query {
 public:
  Query(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
  ~Query() { sqlite3_finalize(stmt_); }
  Query(const Query&) = delete;
  Query& operator=(const Query&) = delete;
  explicit operator bool() const { return stmt_ != nullptr; }
  sqlite3_stmt* get() const { return stmt_; }
  void Text(int i, const std::string& text) {
    sqlite3_bind_text(stmt_, i, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  }
  std::string Column(int i) const {
    const auto* text = sqlite3_column_text(stmt_, i);
    return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
  }
  bool Step() {
    const bool done = sqlite3_step(stmt_) == SQLITE_DONE;
    sqlite3_reset(stmt_);
    return done;
  }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace

bool CreateWeakPointsTables(sqlite3* db, std::string* error) {
  char* message = nullptr;
  if (sqlite3_exec(db, kTables, nullptr, nullptr, &message) == SQLITE_OK) return true;
  if (error) *error = message ? message : sqlite3_errmsg(db);
  sqlite3_free(message);
  return false;
}

bool AddWeakPointsRecords(sqlite3* db, const std::vector<CharTally>& tallies) {
  Query confusion(db,
                  "INSERT INTO confusions (expected, written, count) VALUES (?,?,?)"
                  " ON CONFLICT (expected, written) DO UPDATE SET count = count + excluded.count");
  Query pace(db,
             "INSERT INTO char_pace (character, best, recent) VALUES (?,?,?)"
             " ON CONFLICT (character) DO UPDATE SET best = min(best, excluded.best),"
             " recent = (recent + excluded.recent) / 2");
  if (!confusion || !pace) return false;
  for (const CharTally& t : tallies) {
    for (const auto& [written, count] : t.writtenInstead) {
      confusion.Text(1, t.character);
      confusion.Text(2, written);
      sqlite3_bind_int(confusion.get(), 3, count);
      if (!confusion.Step()) return false;
    }
    if (t.seen <= 0 || t.seconds <= 0) continue;
    const double perTime = t.seconds / t.seen;
    pace.Text(1, t.character);
    sqlite3_bind_double(pace.get(), 2, perTime);
    sqlite3_bind_double(pace.get(), 3, perTime);
    if (!pace.Step()) return false;
  }
  return true;
}

std::vector<Confusion> ReadConfusions(sqlite3* db) {
  std::vector<Confusion> out;
  Query q(db,
          "SELECT expected, written, count FROM confusions ORDER BY count DESC, expected, written");
  if (!q) return out;
  while (sqlite3_step(q.get()) == SQLITE_ROW)
    out.push_back({q.Column(0), q.Column(1), sqlite3_column_int(q.get(), 2)});
  return out;
}

std::vector<CharPace> ReadPace(sqlite3* db) {
  std::vector<CharPace> out;
  Query q(db, "SELECT character, best, recent FROM char_pace ORDER BY character");
  if (!q) return out;
  while (sqlite3_step(q.get()) == SQLITE_ROW)
    out.push_back(
        {q.Column(0), sqlite3_column_double(q.get(), 1), sqlite3_column_double(q.get(), 2)});
  return out;
}

}  // namespace dazi::lessons
