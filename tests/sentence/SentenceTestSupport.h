// Shared helpers of the whole-sentence tests: fixture characters with readings, phrase and
// initials entries, user lexicon records and the syllable defaults they fall back to.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/core/Unit_Data.h"
#include "tests/support/FixtureDictionary.h"

namespace dazi::testing {

class SentenceFixture {
 public:
  // Adds a character with one reading (syllable without stroke letter), simplified and
  // traditional, at the given rank.
  int Char(const std::string& utf8, const std::string& syllable, int rank = 1,
           std::uint16_t classes = 0xC000);
  void Phrase(const std::string& pinyin, std::vector<int> chars, int firstSyllableLetters,
              int level = 0, bool simplified = true, bool traditional = false);
  void Abbrev(const std::string& initials, std::vector<int> chars, bool simplified = true,
              bool traditional = false);
  FixtureDictionary& Dictionary() { return dict_; }

  // The default character of a syllable; throws when it is also the number of a fixture
  // character, where a test could not tell the two apart.
  int32 Def(const std::string& syllable, int column = 0);

  // Writes the dictionaries and the user lexicon (one record per word) into the current
  // directory and loads everything.
  void WriteAndLoad(const std::vector<std::vector<int>>& userWords = {});

 private:
  FixtureDictionary dict_;
};

// The simplified (column 0) or traditional (1) default character of a syllable.
int32 DefaultOf(const std::string& syllable, int column = 0);

// SentenceCodes as a vector.
std::vector<int32> SentenceCodeList();

// The user lexicon file holding these words.
std::string UserLexiconBytes(const std::vector<std::vector<int>>& words);

}  // namespace dazi::testing
