// The history database: rows added in one go, totals kept per character, a damaged file set
// aside for a fresh one.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "tests/support/TempDataFolder.h"
#include "ui/lessons/LessonHistory.h"

namespace dazi::lessons {
namespace {

// One number read with sql from the database at path.
long long Query(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_stmt* stmt = nullptr;
  long long value = -1;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK &&
      sqlite3_step(stmt) == SQLITE_ROW)
    value = sqlite3_column_int64(stmt, 0);
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  return value;
}

SessionRow Row(const std::string& lesson, double cpm, double accuracy) {
  SessionRow row;
  row.lesson = lesson;
  row.method = "pinyin";
  row.started = 1700000000;
  row.chars = 30;
  row.cpm = cpm;
  row.accuracy = accuracy;
  return row;
}

TEST(LessonHistory, StoresSessionsAndAddsUpCharacterTotals) {
  testing::TempDataFolder folder;
  LessonHistory history(kHistoryFile);
  std::vector<std::string> notices;
  ASSERT_TRUE(history.Open(&notices));
  EXPECT_TRUE(notices.empty());
  ASSERT_TRUE(history.Store(Row("a", 40, 90), {{"中", 2, 1, 6}, {"国", 1, 0, 2}}, nullptr));
  ASSERT_TRUE(history.Store(Row("a", 30, 95), {{"中", 1, 0, 2}}, nullptr));
  ASSERT_TRUE(history.Store(Row("b", 50, 80), {}, nullptr));

  EXPECT_EQ(Query(kHistoryFile, "SELECT count(*) FROM sessions WHERE lesson = 'a'"), 2);
  EXPECT_EQ(Query(kHistoryFile, "SELECT seen FROM char_stats WHERE character = '中'"), 3);
  EXPECT_EQ(Query(kHistoryFile, "SELECT wrong FROM char_stats WHERE character = '中'"), 1);
  EXPECT_EQ(Query(kHistoryFile, "SELECT keys FROM char_stats WHERE character = '中'"), 8);
  EXPECT_EQ(Query(kHistoryFile, "PRAGMA user_version"), kHistorySchemaVersion);
  const auto summaries = history.Summaries();
  EXPECT_DOUBLE_EQ(summaries.at("a").bestCpm, 40);
  EXPECT_DOUBLE_EQ(summaries.at("a").lastAccuracy, 95);
  ASSERT_EQ(history.Sessions("a").size(), 2u);
  EXPECT_DOUBLE_EQ(history.Sessions("a")[1].cpm, 30);
}

TEST(LessonHistory, DamagedFileIsSetAsideAndAFreshOneMade) {
  testing::TempDataFolder folder;
  const std::string garbage(4096, 'x');
  folder.WriteBytes(kHistoryFile, garbage);
  folder.WriteBytes(std::string(kHistoryFile) + ".damaged", "an earlier one");
  LessonHistory history(kHistoryFile);
  std::vector<std::string> notices;
  ASSERT_TRUE(history.Open(&notices));
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].find(".damaged-2"), std::string::npos) << notices[0];
  EXPECT_EQ(folder.ReadBytes(std::string(kHistoryFile) + ".damaged-2"), garbage);
  EXPECT_EQ(folder.ReadBytes(std::string(kHistoryFile) + ".damaged"), "an earlier one");
  EXPECT_TRUE(history.Store(Row("a", 1, 1), {{"字", 1, 1, 1}}, nullptr));
  EXPECT_EQ(Query(kHistoryFile, "SELECT count(*) FROM sessions"), 1);
}

TEST(LessonHistory, NewerSchemaIsNotWrittenInto) {
  testing::TempDataFolder folder;
  {
    LessonHistory history(kHistoryFile);
    ASSERT_TRUE(history.Open(nullptr));
  }
  sqlite3* db = nullptr;
  sqlite3_open(kHistoryFile, &db);
  sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  LessonHistory history(kHistoryFile);
  std::vector<std::string> notices;
  ASSERT_TRUE(history.Open(&notices));
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(Query(std::string(kHistoryFile) + ".damaged", "PRAGMA user_version"), 99);
}

}  // namespace
}  // namespace dazi::lessons
