// The start-up load against damaged files: each input is a list of edits to copies of the six
// dictionaries and the user files (fuzz/FuzzFiles.h). The folder is loaded as the program loads
// it, a fixed key script is typed through the console session (both methods, every class,
// learning, paging, corrections, English), and the word editor opens and adds a word.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/Gbk.h"
#include "engine/dict/DictFiles.h"
#include "engine/model/ModelSentence.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/Learning.h"
#include "fuzz/FuzzFiles.h"
#include "tools/console/ConsoleSession.h"
#include "ui/controller/DefaultSentence.h"
#include "ui/usercorpus/UserCorpus.h"

namespace {

using namespace dazi;

const char* const kFileNames[] = {
    kZcFile, kPyFile,          kPysFile,        kLmFile,       kCpyFile,
    kZyFile, kUserLexiconFile, kUserCorpusFile, kSettingsFile, kSentenceMethodFile};
constexpr int kFileCount = static_cast<int>(std::size(kFileNames));
constexpr int kDictionaryCount = static_cast<int>(std::size(kDictionaryFileNames));

const char* const kScript[] = {
    "nihao1,",
    "nihao1,",
    "zhongguo{Left}1 ",
    "shi{PgDn}{PgUp}3",
    "xian{Left}2{Esc}",
    ":class",
    "zhong1",
    ":class",
    "guo{PgDn}1",
    ":class",
    ":settings 25",
    "ni{Back}hao2",
    ":dict",
    ":keypad",
    "{KP1}{KP2}{KP0}",
    "{KP2}{KP5}{KP+}{KP-}{KP7}",
    "{KP/}{KP0}",
    ":class",
    "{KP1}{KP1}{KP0}",
    ":pinyin",
    "{Ctrl}Hi{Back}{Ctrl}",
    ":punct",
    "wmyao ",
    ":settings 0",
};
// After the editor: the learned and the made words in use.
const char* const kAfterEditor[] = {"tianqi", "nihao1", ":reload", "ni"};

template <std::size_t n>
void Type(const char* const (&lines)[n]) {
  console::ConsoleSession session;
  for (const char* line : lines) session.HandleLine(line);
}

// The editor's opening, one word added, and the character table back for typing.
void MakeWord() {
  ReleaseCharTableForEditor();
  {
    UserCorpus corpus;
    corpus.Open(kZcFile);
    // As the window does with the first category selected.
    if (corpus.Editable() && !corpus.Tree().empty()) corpus.Add(0, GbkFromUtf8("天气很好"));
  }
  ReopenCharTableAfterEditor();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::Originals();
  fuzz::MakeScratchFolder("startup");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::OriginalDictionaries& real = fuzz::Originals();
  const std::vector<fuzz::FileEdit> edits = fuzz::ParseEdits(data, size, kFileCount, 8);
  const fuzz::InScratchFolder inside;
  fuzz::EmptyCurrentFolder();
  for (int f = 0; f < kFileCount; ++f) {
    const bool dictionary = f < kDictionaryCount;
    bool edited = false;
    for (const fuzz::FileEdit& edit : edits) edited = edited || edit.file == f;
    if (dictionary && !edited) {
      std::filesystem::create_symlink(real.folder + "/" + kFileNames[f], kFileNames[f]);
      continue;
    }
    fuzz::PlaceFile(kFileNames[f],
                    fuzz::EditedFile(dictionary ? &real.bytes[f] : nullptr, f, edits));
  }

  ResetEngineState();
  ClearCollectedPhrase();
  if (LoadDictionaries().ok) {
    StartSentenceMethod();
    Type(kScript);
    MakeWord();
    Type(kAfterEditor);
  }
  UnloadSentenceModel();
  Dict.CloseAll();
  return 0;
}
