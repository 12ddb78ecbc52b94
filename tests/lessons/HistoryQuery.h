// A test's look into a lesson history (by default the one of the current folder).
#pragma once

#include <sqlite3.h>

#include <string>

#include "ui/lessons/LessonHistory.h"

namespace dazi::testing {

// The first column of the first row sql answers in the database at path, or -1.
inline long long QueryHistory(const std::string& sql,
                              const std::string& path = lessons::kHistoryFile) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* stmt = nullptr;
  long long value = -1;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK &&
      sqlite3_step(stmt) == SQLITE_ROW)
    value = sqlite3_column_int64(stmt, 0);
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  return value;
}

}  // namespace dazi::testing
