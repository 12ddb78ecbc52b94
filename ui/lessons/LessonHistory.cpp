#include "ui/lessons/LessonHistory.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace dazi::lessons {
namespace {

// The columns schema 2 added to `sessions`. Rows kept from schema 1 did not record them: they
// count as finished, as every stored run did then, with length 0 for unknown.
constexpr const char* kAddedColumns[][2] = {
    {"finished", "ALTER TABLE sessions ADD COLUMN finished INTEGER NOT NULL DEFAULT 1"},
    {"length", "ALTER TABLE sessions ADD COLUMN length INTEGER NOT NULL DEFAULT 0"},
};

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS sessions ("
    " id INTEGER PRIMARY KEY, lesson TEXT NOT NULL, method TEXT NOT NULL,"
    " started INTEGER NOT NULL, seconds REAL NOT NULL, chars INTEGER NOT NULL,"
    " wrong INTEGER NOT NULL, keys INTEGER NOT NULL, backspaces INTEGER NOT NULL,"
    " cpm REAL NOT NULL, accuracy REAL NOT NULL,"
    " finished INTEGER NOT NULL DEFAULT 1, length INTEGER NOT NULL DEFAULT 0);"
    "CREATE INDEX IF NOT EXISTS sessions_by_lesson ON sessions (lesson, started);"
    "CREATE TABLE IF NOT EXISTS char_stats ("
    " character TEXT PRIMARY KEY, seen INTEGER NOT NULL, wrong INTEGER NOT NULL,"
    " keys INTEGER NOT NULL);";

// Typing never waits long for another program holding the database.
constexpr int kBusyMilliseconds = 200;

// A prepared statement, finalized on leaving the scope.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) {
    if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) stmt_ = nullptr;
  }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  sqlite3_stmt* get() const { return stmt_; }
  explicit operator bool() const { return stmt_ != nullptr; }
  void Bind(int i, const std::string& text) {
    sqlite3_bind_text(stmt_, i, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  }
  void Bind(int i, double value) { sqlite3_bind_double(stmt_, i, value); }
  void Bind(int i, std::int64_t value) { sqlite3_bind_int64(stmt_, i, value); }
  void Bind(int i, int value) { sqlite3_bind_int(stmt_, i, value); }
  std::string Text(int i) const {
    const auto* text = sqlite3_column_text(stmt_, i);
    return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
  }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

bool Exec(sqlite3* db, const char* sql, std::string* error) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
  if (error) *error = message ? message : sqlite3_errmsg(db);
  sqlite3_free(message);
  return false;
}

std::string AsideName(const std::string& path) {
  std::string aside = path + ".damaged";
  for (int n = 2; std::filesystem::exists(aside); ++n)
    aside = path + ".damaged-" + std::to_string(n);
  return aside;
}

}  // namespace

LessonHistory::LessonHistory(std::string path) : path_(std::move(path)) {}

LessonHistory::~LessonHistory() {
  Close();
}

void LessonHistory::Close() {
  sqlite3_close(db_);
  db_ = nullptr;
}

bool LessonHistory::OpenFresh(std::string* error) {
  Close();
  if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK) {
    if (error) *error = db_ ? sqlite3_errmsg(db_) : "out of memory";
    Close();
    return false;
  }
  sqlite3_busy_timeout(db_, kBusyMilliseconds);
  return true;
}

// Whether the open database can be read and holds (or now has) the tables of this version.
bool LessonHistory::Usable(std::string* error) {
  Statement check(db_, "PRAGMA quick_check");
  if (!check || sqlite3_step(check.get()) != SQLITE_ROW || check.Text(0) != "ok") {
    if (error) *error = sqlite3_errmsg(db_);
    return false;
  }
  Statement version(db_, "PRAGMA user_version");
  if (!version || sqlite3_step(version.get()) != SQLITE_ROW) {
    if (error) *error = sqlite3_errmsg(db_);
    return false;
  }
  const int found = sqlite3_column_int(version.get(), 0);
  if (found > kHistorySchemaVersion) {
    if (error) *error = "made by a newer dazi (schema " + std::to_string(found) + ")";
    return false;
  }
  return Migrate(found, error);
}

// Makes the tables of this version, adding the columns an older `sessions` lacks, in one
// transaction: every row is kept.
bool LessonHistory::Migrate(int found, std::string* error) {
  if (!Exec(db_, "BEGIN IMMEDIATE", error)) return false;
  bool ok = Exec(db_, kSchema, error) && CreateWeakPointsTables(db_, error);
  std::vector<std::string> columns;
  {
    Statement info(db_, "PRAGMA table_info(sessions)");
    while (ok && info && sqlite3_step(info.get()) == SQLITE_ROW) columns.push_back(info.Text(1));
  }
  for (const auto& [name, alter] : kAddedColumns)
    if (ok && std::find(columns.begin(), columns.end(), name) == columns.end())
      ok = Exec(db_, alter, error);
  if (ok && found != kHistorySchemaVersion)
    ok = Exec(db_, ("PRAGMA user_version = " + std::to_string(kHistorySchemaVersion)).c_str(),
              error);
  if (!ok) {
    Exec(db_, "ROLLBACK", nullptr);
    return false;
  }
  return Exec(db_, "COMMIT", error);
}

bool LessonHistory::Open(std::vector<std::string>* notices) {
  if (db_) return true;
  if (tried_) return false;
  tried_ = true;
  std::string why;
  if (OpenFresh(&why) && Usable(&why)) return true;
  Close();
  std::error_code ec;
  if (std::filesystem::exists(path_, ec)) {
    const std::string aside = AsideName(path_);
    std::filesystem::rename(path_, aside, ec);
    if (ec) {
      if (notices)
        notices->push_back("练习记录 " + path_ + " 无法读取（" + why + "），也无法改名：" +
                           ec.message() + "；本次不保存练习记录");
      return false;
    }
    if (notices)
      notices->push_back("练习记录 " + path_ + " 无法读取（" + why + "），已改名为 " + aside +
                         "，新建了一份空的练习记录");
  }
  std::string fresh;
  if (OpenFresh(&fresh) && Usable(&fresh)) return true;
  Close();
  if (notices)
    notices->push_back("练习记录 " + path_ + " 无法建立（" + fresh + "）；本次不保存练习记录");
  return false;
}

bool LessonHistory::Store(const SessionRow& s, const std::vector<CharTally>& tallies,
                          std::string* error) {
  if (!db_) {
    if (error) *error = path_ + " is not open";
    return false;
  }
  if (!Exec(db_, "BEGIN IMMEDIATE", error)) return false;
  bool ok = true;
  {
    Statement insert(db_,
                     "INSERT INTO sessions (lesson, method, started, seconds, chars, wrong, keys,"
                     " backspaces, cpm, accuracy, finished, length)"
                     " VALUES (?,?,?,?,?,?,?,?,?,?,?,?)");
    ok = static_cast<bool>(insert);
    if (ok) {
      insert.Bind(1, s.lesson);
      insert.Bind(2, s.method);
      insert.Bind(3, s.started);
      insert.Bind(4, s.seconds);
      insert.Bind(5, s.chars);
      insert.Bind(6, s.wrong);
      insert.Bind(7, s.keys);
      insert.Bind(8, s.backspaces);
      insert.Bind(9, s.cpm);
      insert.Bind(10, s.accuracy);
      insert.Bind(11, s.finished ? 1 : 0);
      insert.Bind(12, s.length);
      ok = sqlite3_step(insert.get()) == SQLITE_DONE;
    }
    Statement upsert(db_,
                     "INSERT INTO char_stats (character, seen, wrong, keys) VALUES (?,?,?,?)"
                     " ON CONFLICT (character) DO UPDATE SET seen = seen + excluded.seen,"
                     " wrong = wrong + excluded.wrong, keys = keys + excluded.keys");
    ok = ok && static_cast<bool>(upsert);
    for (const CharTally& t : tallies) {
      if (!ok) break;
      sqlite3_reset(upsert.get());
      upsert.Bind(1, t.character);
      upsert.Bind(2, t.seen);
      upsert.Bind(3, t.wrong);
      upsert.Bind(4, t.keys);
      ok = sqlite3_step(upsert.get()) == SQLITE_DONE;
    }
    ok = ok && AddWeakPointsRecords(db_, tallies);
  }
  if (!ok) {
    if (error) *error = sqlite3_errmsg(db_);
    Exec(db_, "ROLLBACK", nullptr);
    return false;
  }
  return Exec(db_, "COMMIT", error);
}

std::vector<SessionRow> LessonHistory::Sessions(const std::string& lesson) {
  std::vector<SessionRow> rows;
  if (!db_) return rows;
  Statement q(db_,
              "SELECT lesson, method, started, seconds, chars, wrong, keys, backspaces, cpm,"
              " accuracy, finished, length FROM sessions WHERE lesson = ? ORDER BY started, id");
  if (!q) return rows;
  q.Bind(1, lesson);
  while (sqlite3_step(q.get()) == SQLITE_ROW) {
    SessionRow r;
    r.lesson = q.Text(0);
    r.method = q.Text(1);
    r.started = sqlite3_column_int64(q.get(), 2);
    r.seconds = sqlite3_column_double(q.get(), 3);
    r.chars = sqlite3_column_int(q.get(), 4);
    r.wrong = sqlite3_column_int(q.get(), 5);
    r.keys = sqlite3_column_int(q.get(), 6);
    r.backspaces = sqlite3_column_int(q.get(), 7);
    r.cpm = sqlite3_column_double(q.get(), 8);
    r.accuracy = sqlite3_column_double(q.get(), 9);
    r.finished = sqlite3_column_int(q.get(), 10) != 0;
    r.length = sqlite3_column_int(q.get(), 11);
    rows.push_back(std::move(r));
  }
  return rows;
}

std::map<std::string, LessonSummary> LessonHistory::Summaries() {
  std::map<std::string, LessonSummary> summaries;
  if (!db_) return summaries;
  Statement q(db_, "SELECT lesson, cpm, accuracy, finished FROM sessions ORDER BY started, id");
  if (!q) return summaries;
  while (sqlite3_step(q.get()) == SQLITE_ROW) {
    LessonSummary& s = summaries[q.Text(0)];
    const double cpm = sqlite3_column_double(q.get(), 1);
    // A run ended early may have typed only an easy start: only finished runs set the best.
    if (sqlite3_column_int(q.get(), 3) != 0 && cpm > s.bestCpm) s.bestCpm = cpm;
    s.lastAccuracy = sqlite3_column_double(q.get(), 2);
    ++s.sessions;
  }
  return summaries;
}

std::vector<CharTally> LessonHistory::CharStats() {
  std::vector<CharTally> stats;
  if (!db_) return stats;
  Statement q(db_, "SELECT character, seen, wrong, keys FROM char_stats ORDER BY character");
  if (!q) return stats;
  while (sqlite3_step(q.get()) == SQLITE_ROW)
    stats.push_back({q.Text(0), sqlite3_column_int(q.get(), 1), sqlite3_column_int(q.get(), 2),
                     sqlite3_column_int(q.get(), 3)});
  return stats;
}

namespace {

// A CSV field: quoted when it holds a comma, a quote or a line end (quotes doubled).
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

// Writes every row of query to path: the column names, then the values as SQLite gives them.
bool WriteCsv(sqlite3* db, const char* query, const std::string& path, std::string* error) {
  Statement q(db, query);
  if (!q) {
    if (error) *error = sqlite3_errmsg(db);
    return false;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) {
    if (error) *error = "cannot write " + path;
    return false;
  }
  const int columns = sqlite3_column_count(q.get());
  for (int i = 0; i < columns; ++i)
    out << (i ? "," : "") << CsvField(sqlite3_column_name(q.get(), i));
  out << "\r\n";
  int step = SQLITE_ROW;
  while ((step = sqlite3_step(q.get())) == SQLITE_ROW) {
    for (int i = 0; i < columns; ++i) out << (i ? "," : "") << CsvField(q.Text(i));
    out << "\r\n";
  }
  out.close();
  if (step != SQLITE_DONE) {
    if (error) *error = sqlite3_errmsg(db);
    return false;
  }
  if (!out) {
    if (error) *error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace

bool LessonHistory::ExportCsv(const std::string& sessionsCsv, const std::string& charsCsv,
                              std::string* error) {
  if (!db_) {
    if (error) *error = path_ + " is not open";
    return false;
  }
  return WriteCsv(db_,
                  "SELECT id, lesson, method, started, seconds, chars, wrong, keys, backspaces,"
                  " cpm, accuracy, finished, length FROM sessions ORDER BY started, id",
                  sessionsCsv, error) &&
         WriteCsv(db_, "SELECT character, seen, wrong, keys FROM char_stats ORDER BY character",
                  charsCsv, error);
}

std::string CharStatsCsvPath(const std::string& sessionsCsv) {
  const std::filesystem::path path(sessionsCsv);
  return (path.parent_path() / (path.stem().string() + "-char_stats.csv")).string();
}

}  // namespace dazi::lessons
