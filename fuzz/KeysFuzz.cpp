// Arbitrary key and command lines through the console session on the real dictionaries, the
// sentence model and the lessons: each input is console lines (keys, brace tokens, :commands,
// lessons). Every answer must be JSON and the engine record must keep within its tables after
// every line. Each input starts from no user files (nor lesson history) and the state after
// start-up.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "engine/core/MethodClass.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictLayout.h"
#include "engine/keypad/KeypadRefresh.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/Learning.h"
#include "fuzz/FuzzFiles.h"
#include "tools/console/ConsoleSession.h"
#include "ui/controller/DefaultSentence.h"
#include "ui/lessons/LessonCatalogue.h"

namespace {

using namespace dazi;

void Require(bool holds, const char* what, std::string_view line) {
  if (holds) return;
  std::fprintf(stderr, "fuzz: %s after the line \"%.*s\"\n", what, static_cast<int>(line.size()),
               line.data());
  std::abort();
}

void RequireWithinTables(std::string_view line) {
  const TLumiskCand& s = SrfState;
  Require(s.MethodClass >= 0 && s.MethodClass <= 5, "method and class out of range", line);
  const bool pinyin = MethodOf(s.MethodClass) == InputMethod::Pinyin;
  Require(s.CandidatesPerPage == (pinyin ? 10 : 4), "page size of the other method", line);
  Require(s.CandidateCount >= 0 && s.CandidateCount <= s.CandidatesPerPage,
          "candidate count beyond the page", line);
  Require(s.ResultCount <= kResultCapacity, "results beyond their table", line);
  Require(s.LookupCount <= kLookupCapacity, "lookups beyond their table", line);
  Require(s.WordPoolCount <= kWordPoolCapacity, "word pool beyond its table", line);
  Require(s.WordResultCount <= kWordPoolCapacity, "word results beyond their table", line);
  Require(s.AssociationCount <= kAssociationCapacity, "follow-ons beyond their table", line);
  Require(s.CollectedCodeCount <= kCollectedCapacity, "collected codes beyond their table", line);
  Require(s.LearnCount <= kLearnLimit, "learned phrases beyond their table", line);
  Require(s.SentenceCodeCount <= kSentenceCapacity, "sentence beyond its table", line);
  Require(s.ChainLength <= kChainCapacity, "chain beyond its table", line);
  Require(static_cast<int>(s.InputText.size()) <= (pinyin ? kMaxInputLetters : kKeypadInputLimit),
          "input longer than allowed", line);
}

std::string& LessonsFolder() {
  static std::string folder;
  return folder;
}

// Removes what the last input wrote: everything but the links to the dictionaries.
void RemoveUserFiles() {
  std::error_code ec;
  for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(".", ec))
    if (!entry.is_symlink()) std::filesystem::remove_all(entry.path(), ec);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string dictionaries = fuzz::DictionaryFolder();
  LessonsFolder() = dictionaries + "/" + lessons::kLessonsFolder;
  fuzz::MakeScratchFolder("keys");
  const fuzz::InScratchFolder inside;
  for (const char* name : kDictionaryFileNames)
    std::filesystem::create_symlink(dictionaries + "/" + name, name);
  const std::filesystem::path model = std::filesystem::path(dictionaries) / "srf_pub.ngm";
  if (std::filesystem::exists(model)) std::filesystem::create_symlink(model, "srf_pub.ngm");
  if (!LoadDictionaries().ok) std::abort();
  StartSentenceMethod();  // maps the model once; each input starts with the rules
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::InScratchFolder inside;
  RemoveUserFiles();
  ResetEngineState();
  ClearCollectedPhrase();
  if (!LoadDictionaries().ok) std::abort();
  SetSentenceMethod(SentenceMethod::kRules);

  console::ConsoleSession session(LessonsFolder());
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    const std::string answer = session.HandleLine(line);
    Require(nlohmann::json::accept(answer), "an answer that is not JSON", line);
    RequireWithinTables(line);
  }
  return 0;
}
