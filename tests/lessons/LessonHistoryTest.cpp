// The history database: rows added in one go, totals kept per character, a damaged file set
// aside for a fresh one.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "tests/lessons/HistoryQuery.h"
#include "tests/support/TempDataFolder.h"
#include "ui/lessons/LessonHistory.h"

namespace dazi::lessons {
namespace {

using dazi::testing::QueryHistory;

SessionRow Row(const std::string& lesson, double cpm, double accuracy) {
  SessionRow row;
  row.lesson = lesson;
  row.method = "pinyin";
  row.started = 1700000000;
  row.chars = 30;
  row.cpm = cpm;
  row.accuracy = accuracy;
  row.finished = true;
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

  EXPECT_EQ(QueryHistory("SELECT count(*) FROM sessions WHERE lesson = 'a'"), 2);
  EXPECT_EQ(QueryHistory("SELECT seen FROM char_stats WHERE character = '中'"), 3);
  EXPECT_EQ(QueryHistory("SELECT wrong FROM char_stats WHERE character = '中'"), 1);
  EXPECT_EQ(QueryHistory("SELECT keys FROM char_stats WHERE character = '中'"), 8);
  EXPECT_EQ(QueryHistory("PRAGMA user_version"), kHistorySchemaVersion);
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
  EXPECT_EQ(QueryHistory("SELECT count(*) FROM sessions"), 1);
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
  EXPECT_EQ(QueryHistory("PRAGMA user_version", std::string(kHistoryFile) + ".damaged"), 99);
}

TEST(LessonHistory, VersionOneIsMigratedInPlaceKeepingEveryRow) {
  testing::TempDataFolder folder;
  sqlite3* db = nullptr;
  sqlite3_open(kHistoryFile, &db);
  ASSERT_EQ(sqlite3_exec(db,
                         "CREATE TABLE sessions (id INTEGER PRIMARY KEY, lesson TEXT NOT NULL,"
                         " method TEXT NOT NULL, started INTEGER NOT NULL, seconds REAL NOT NULL,"
                         " chars INTEGER NOT NULL, wrong INTEGER NOT NULL, keys INTEGER NOT NULL,"
                         " backspaces INTEGER NOT NULL, cpm REAL NOT NULL, accuracy REAL NOT NULL);"
                         "CREATE TABLE char_stats (character TEXT PRIMARY KEY, seen INTEGER NOT"
                         " NULL, wrong INTEGER NOT NULL, keys INTEGER NOT NULL);"
                         "INSERT INTO sessions VALUES (1,'a','pinyin',1,60,40,2,90,3,38.5,95);"
                         "INSERT INTO sessions VALUES (2,'a','pinyin',2,60,25,0,60,0,25,100);"
                         "INSERT INTO char_stats VALUES ('中',4,1,9);"
                         "PRAGMA user_version = 1;",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);

  LessonHistory history(kHistoryFile);
  std::vector<std::string> notices;
  ASSERT_TRUE(history.Open(&notices));
  EXPECT_TRUE(notices.empty());
  EXPECT_FALSE(std::filesystem::exists(std::string(kHistoryFile) + ".damaged"));
  EXPECT_EQ(QueryHistory("PRAGMA user_version"), 2);
  const std::vector<SessionRow> rows = history.Sessions("a");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_DOUBLE_EQ(rows[0].cpm, 38.5);
  EXPECT_EQ(rows[0].keys, 90);
  EXPECT_TRUE(rows[0].finished);  // stored runs counted as finished then
  EXPECT_EQ(rows[0].length, 0);
  EXPECT_EQ(QueryHistory("SELECT keys FROM char_stats WHERE character = '中'"), 9);
  SessionRow unfinished = Row("a", 80, 100);
  unfinished.finished = false;
  unfinished.length = 163;
  ASSERT_TRUE(history.Store(unfinished, {}, nullptr));
  EXPECT_EQ(QueryHistory("SELECT length FROM sessions WHERE id = 3"), 163);
  EXPECT_EQ(QueryHistory("SELECT finished FROM sessions WHERE id = 3"), 0);
  // An unfinished run does not set the best speed.
  EXPECT_DOUBLE_EQ(history.Summaries().at("a").bestCpm, 38.5);
  EXPECT_DOUBLE_EQ(history.Summaries().at("a").lastAccuracy, 100);
}

TEST(LessonHistory, ExportsBothTablesAsCsvWithHeaders) {
  testing::TempDataFolder folder;
  LessonHistory history(kHistoryFile);
  ASSERT_TRUE(history.Open(nullptr));
  SessionRow row = Row("my,\"lesson\"", 42.5, 97);
  row.length = 163;
  ASSERT_TRUE(history.Store(row, {{"中", 2, 1, 6}}, nullptr));
  std::string error;
  ASSERT_TRUE(history.ExportCsv("out.csv", CharStatsCsvPath("out.csv"), &error)) << error;
  EXPECT_EQ(folder.ReadBytes("out.csv"),
            "id,lesson,method,started,seconds,chars,wrong,keys,backspaces,cpm,accuracy,finished,"
            "length\r\n1,\"my,\"\"lesson\"\"\",pinyin,1700000000,0.0,30,0,0,0,42.5,97.0,1,163\r\n");
  EXPECT_EQ(folder.ReadBytes("out-char_stats.csv"), "character,seen,wrong,keys\r\n中,2,1,6\r\n");
  EXPECT_FALSE(history.ExportCsv("no-such-folder/out.csv", "x.csv", &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace dazi::lessons
