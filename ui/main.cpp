// dazi: loads the data folder and reports what it holds.
#include <cstdio>
#include <string>
#include <vector>

#include "DataFolder.h"
#include "DictionaryLoader.h"
#include "Unit_Data.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const std::string folder = dazi::ChooseDataFolder(args);
  std::string error;
  if (!dazi::EnterDataFolder(folder, &error)) {
    std::fprintf(stderr, "dazi: %s\n", error.c_str());
    return 1;
  }
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
