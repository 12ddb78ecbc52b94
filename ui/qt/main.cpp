// dazi: the typing-practice program. It works in its data folder (~/.local/share/dazi, or
// --data DIR) and shows the main window; --print-counts only loads the folder and reports
// what it holds, without a window; --screenshot FILE types the --type keys into the window,
// saves its picture and exits; --export-history FILE.csv writes the lesson history as CSV.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/Unit_Data.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/DataFolder.h"
#include "ui/controller/SuppliedFiles.h"
#include "ui/lessons/LessonHistory.h"
#include "ui/qt/CommandLine.h"

#ifdef DAZI_WITH_WINDOW
#include <QApplication>
#include <QFile>

#include "ui/controller/KeyTokens.h"
#include "ui/qt/ApplicationSetup.h"
#include "ui/qt/ScriptedScreenshot.h"
#include "ui/qt/Unit_Main.h"
#endif

namespace {

int PrintCounts(const std::string& folder) {
  const dazi::LoadResult loaded = dazi::LoadDictionaries();
  if (!loaded.ok) {
    std::fprintf(stderr, "dazi: %s\n", loaded.message.c_str());
    return 1;
  }
  const dazi::TLumiskCand& s = dazi::SrfState;
  int phraseKeys = 0;
  for (int count : s.PhraseKeyCounts) phraseKeys += count;
  std::printf("data folder: %s\n", folder.c_str());
  std::printf("characters: %d, word lists: %d, spellings: %d, phrase keys: %d, user words: %d\n",
              s.CharCount, s.WordIndexCount, s.PinyinSyllableCount, phraseKeys, s.UserWordCount);
  return 0;
}

// The history of the data folder (made empty when there is none) as CSV.
int ExportHistory(const std::string& sessionsCsv) {
  dazi::lessons::LessonHistory history(dazi::lessons::kHistoryFile);
  std::vector<std::string> notices;
  const bool open = history.Open(&notices);
  for (const std::string& notice : notices) std::fprintf(stderr, "dazi: %s\n", notice.c_str());
  if (!open) return 1;
  const std::string charsCsv = dazi::lessons::CharStatsCsvPath(sessionsCsv);
  std::string error;
  if (!history.ExportCsv(sessionsCsv, charsCsv, &error)) {
    std::fprintf(stderr, "dazi: --export-history: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s\n%s\n", sessionsCsv.c_str(), charsCsv.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const dazi::ProgramOptions options = dazi::ReadCommandLine(argc, argv);
  if (options.exitStatus) return *options.exitStatus;

  // The picture's path is taken from where the program was started, not the data folder.
  std::optional<std::string> screenshot = options.screenshot;
  if (screenshot) screenshot = std::filesystem::absolute(*screenshot).string();
  std::optional<std::string> lesson = options.lesson;
  if (lesson && std::filesystem::path(*lesson).extension() == ".txt")
    lesson = std::filesystem::absolute(*lesson).string();
  std::optional<std::string> exportHistory = options.exportHistory;
  if (exportHistory) exportHistory = std::filesystem::absolute(*exportHistory).string();

  const std::string folder = options.dataFolder.value_or(dazi::DefaultDataFolder());
  std::string error;
  if (!options.dataFolder &&
      !dazi::ProvideDataFolder(folder, dazi::SuppliedFolder(), dazi::SuppliedFiles(), &error)) {
    std::fprintf(stderr, "dazi: %s\n", error.c_str());
    return 1;
  }
  if (!dazi::EnterDataFolder(folder, &error)) {
    std::fprintf(stderr, "dazi: %s\n", error.c_str());
    return 1;
  }
  if (options.printCounts) return PrintCounts(folder);
  if (exportHistory) return ExportHistory(*exportHistory);

#ifdef DAZI_WITH_WINDOW
  const dazi::keys::ParsedKeys keys = dazi::keys::ParseKeys(options.typeKeys.value_or(""));
  if (!keys.error.empty()) {
    std::fprintf(stderr, "dazi: --type: %s\n", keys.error.c_str());
    return 2;
  }
  dazi::PrepareApplicationAttributes();
  QApplication app(argc, argv);
  dazi::PrepareApplication(app, options.verbose);
  if (screenshot) {
    // Notices go to stderr: no message box waits for a user.
    dazi::TForm_Main window(dazi::PrintNotice);
    if (!window.DictionariesLoaded()) return 1;
    if (lesson) window.StartLessonWhenShown(*lesson);
    return dazi::RunScriptedScreenshot(window, keys.keys, QFile::decodeName(screenshot->c_str()));
  }
  dazi::TForm_Main window;
  if (lesson) window.StartLessonWhenShown(*lesson);
  window.show();
  return app.exec();
#else
  std::fprintf(stderr, "dazi: built without Qt 6 Widgets; only --print-counts is available\n");
  return 1;
#endif
}
