// fuzz_seeds DICTIONARY_DIR OUT_DIR: the starting corpora of the three fuzz targets, made
// from the real files: pieces of the six dictionaries at their headers and spread over them,
// user files of a short real session (learned phrases, editor words, a settings byte), and
// console lines built from the dictionaries' own spellings and lessons.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/startup/DictionaryLoader.h"
#include "fuzz/FuzzFiles.h"
#include "tools/console/ConsoleSession.h"
#include "ui/lessons/LessonCatalogue.h"
#include "ui/usercorpus/UserCorpus.h"

namespace {

using namespace dazi;
namespace fs = std::filesystem;

constexpr int kUserLexiconIndex = 6;  // the file list of the start-up target
constexpr int kUserCorpusIndex = 7;
constexpr int kSettingsIndex = 8;
constexpr std::size_t kPieceBytes = 48;

// A new temporary folder linked to the dictionaries, made current.
fs::path EnterLinkedFolder(const std::string& dictionaries) {
  std::string pattern = (fs::temp_directory_path() / "dazi-fuzz-seeds-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return {};
  fs::current_path(pattern);
  for (const char* name : kDictionaryFileNames)
    fs::create_symlink(fs::path(dictionaries) / name, name);
  return pattern;
}

void WriteSeed(const fs::path& folder, const std::string& name, const std::string& bytes) {
  fs::create_directories(folder);
  fuzz::WriteWholeFile((folder / name).string(), bytes);
}

// Pieces of each dictionary written back over themselves: the header, evenly spread pieces,
// and a cut in the middle. Unmutated they give the real file.
void WriteDictionarySeeds(const std::string& dictionaries, std::size_t pieces,
                          const fs::path& folder) {
  for (int f = 0; f < static_cast<int>(std::size(kDictionaryFileNames)); ++f) {
    const std::string bytes = fuzz::ReadWholeFile(dictionaries + "/" + kDictionaryFileNames[f]);
    std::vector<std::pair<std::string, std::string>> seeds;
    for (std::size_t k = 0; k < pieces; ++k) {
      const std::size_t at = bytes.size() / pieces * k;
      const fuzz::FileEdit edit{f, fuzz::EditOp::kOverwrite, static_cast<std::uint32_t>(at),
                                bytes.substr(at, kPieceBytes)};
      seeds.emplace_back("piece" + std::to_string(k), fuzz::EncodeEdit(edit));
    }
    const fuzz::FileEdit cut{
        f, fuzz::EditOp::kCutAndAppend, static_cast<std::uint32_t>(bytes.size() / 2), {}};
    seeds.emplace_back("cut", fuzz::EncodeEdit(cut));
    for (const auto& [name, seed] : seeds)
      WriteSeed(folder, std::string(kDictionaryFileNames[f]) + "-" + name, seed);
  }
}

const char* const kSession[] = {
    "wmyaonltggongzuo ,", "wmyaonltggongzuo ,", "zhongguorenmin ,", "zhongguorenmin ,",
    "tianqihenhao ,",     "tianqihenhao ,",     ":settings 25",
};

// The user files of a short session in a folder linked to the dictionaries.
void WriteUserFileSeeds(const std::string& dictionaries, const fs::path& folder) {
  const fs::path back = fs::current_path();
  const fs::path session = EnterLinkedFolder(dictionaries);
  if (!session.empty() && LoadDictionaries().ok) {
    {
      console::ConsoleSession console;
      for (const char* line : kSession) console.HandleLine(line);
    }
    ReleaseCharTableForEditor();
    UserCorpus corpus;
    corpus.Open(kZcFile);
    for (const char* word : {"我们的", "中华人民共和国", "一路平安"})
      if (corpus.Editable() && !corpus.Tree().empty()) corpus.Add(0, GbkFromUtf8(word));
    Dict.CloseAll();
  }
  std::string all;
  for (const auto& [index, name] : {std::pair{kUserLexiconIndex, kUserLexiconFile},
                                    {kUserCorpusIndex, kUserCorpusFile},
                                    {kSettingsIndex, kSettingsFile}}) {
    if (!fs::exists(name)) continue;
    const std::string edit =
        fuzz::EncodeEdit({index, fuzz::EditOp::kReplace, 0, fuzz::ReadWholeFile(name)});
    WriteSeed(folder, std::string("user-") + name, edit);
    all += edit;
  }
  WriteSeed(folder, "user-all", all);
  fs::current_path(back);
  if (!session.empty()) fs::remove_all(session);
}

// Console lines that start each lesson of the folder, type into it and end it.
void WriteLessonSeeds(const std::string& dictionaries, const fs::path& folder) {
  lessons::LessonCatalogue catalogue(dictionaries + "/" + lessons::kLessonsFolder);
  const char* const kTyping[] = {"nihao1 ", "{KP1}{KP2}{KP0}", "de1{Back}shi ", "{Ctrl}ab{Ctrl}"};
  std::size_t k = 0;
  for (const lessons::Lesson& lesson : catalogue.Lessons()) {
    const std::string seed = ":lessons\n:lesson " + lesson.id + "\n" +
                             kTyping[k % std::size(kTyping)] + "\n:class\n:lesson end\n";
    WriteSeed(folder, "lesson-" + std::to_string(k++), seed);
  }
}

// Console lines: the spellings of the dictionary typed in turns with choices, paging, Left
// corrections, the other method and classes, English and the settings.
void WriteKeySeeds(const fs::path& folder) {
  const std::vector<std::string>& spellings = SrfState.PinyinSyllables;
  const char* const kTails[] = {" ",     "1",      "{Left} ", "{PgDn}2", "{Left}{Left}3",
                                "{Esc}", "{Back}", ","};
  const char* const kCommands[] = {":class",
                                   ":keypad\n{KP1}{KP2}{KP0}\n:pinyin",
                                   ":settings 25",
                                   ":dict",
                                   "{Ctrl}abc{Back}{Ctrl}",
                                   ":sentence model",
                                   ":punct",
                                   ":reload"};
  constexpr std::size_t kSeeds = 48;
  for (std::size_t k = 0; k < kSeeds && !spellings.empty(); ++k) {
    std::string seed;
    for (std::size_t line = 0; line < 4; ++line) {
      for (std::size_t s = 0; s < 3; ++s)
        seed += spellings[(k * 37 + line * 11 + s * 5) % spellings.size()];
      seed += kTails[(k + line) % std::size(kTails)];
      seed += '\n';
    }
    seed += kCommands[k % std::size(kCommands)];
    seed += '\n';
    WriteSeed(folder, "keys" + std::to_string(k), seed);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fuzz_seeds DICTIONARY_DIR OUT_DIR\n");
    return 2;
  }
  const std::string dictionaries = fs::absolute(argv[1]).string();
  const fs::path out = fs::absolute(argv[2]);
  fs::remove_all(out);
  // A check of the whole set takes long: fewer starting points for it.
  WriteDictionarySeeds(dictionaries, 12, out / "startup");
  WriteDictionarySeeds(dictionaries, 4, out / "validator");
  WriteUserFileSeeds(dictionaries, out / "startup");
  // The spellings of a fresh load.
  const fs::path session = EnterLinkedFolder(dictionaries);
  if (session.empty() || !LoadDictionaries().ok) return 1;
  WriteKeySeeds(out / "keys");
  WriteLessonSeeds(dictionaries, out / "keys");
  Dict.CloseAll();
  fs::current_path(out);
  fs::remove_all(session);
  return 0;
}
