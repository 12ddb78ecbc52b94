#include "tests/usercorpus/UserFilesWorkload.h"

#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/Learning.h"
#include "tests/support/FixtureDictionary.h"
#include "ui/usercorpus/UserCorpus.h"

namespace dazi::testing {
namespace {

const char* const kChars[] = {"天", "地", "人", "和", "风", "雨", "山", "水", "日", "月"};

}  // namespace

void LoadWorkloadDictionary() {
  FixtureDictionary d;
  for (const char* ch : kChars)
    d.AddReading(d.AddChar(ch), "tianh", dictwriter::kAttrSimplified | 1);
  d.Write();
  LoadDictionaries();
}

std::vector<int32> WorkloadWord(int n) {
  return {n / 100 % 10 + 1, n / 10 % 10 + 1, n % 10 + 1};
}

std::string WorkloadText(int n) {
  std::string text;
  for (const int32 code : WorkloadWord(n)) text += CharText(code);
  return text;
}

std::string LearnWorkloadWord(int n) {
  const std::vector<int32> codes = WorkloadWord(n);
  return SaveUserWord(codes.data(), static_cast<int>(codes.size()));
}

bool EditorAddsWorkloadWord(int n) {
  UserCorpus editor;
  editor.Open(kZcFile);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const CorpusOutcome outcome = editor.Add(0, WorkloadText(n));
    if (outcome != CorpusOutcome::ChangedElsewhere) return outcome == CorpusOutcome::Done;
  }
  return false;
}

}  // namespace dazi::testing
