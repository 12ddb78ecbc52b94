// Builds small dictionaries for tests with the dictionary writer. Characters and spellings
// are named by their text; spelling numbers are assigned when the files are written
// (spellings grouped by initial letter, in order of first use within each letter).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/dictwriter/DictWriter.h"

namespace dazi::testing {

class FixtureDictionary {
 public:
  // Adds a character given in UTF-8; returns its character number (1-based).
  int AddChar(const std::string& utf8);
  // Gives character ch a reading (syllable + first-stroke letter, e.g. "zhongs"), listed in
  // that spelling with the rank and class bits of attribute (dictwriter::kAttr*). The first
  // reading added is the main one.
  void AddReading(int ch, const std::string& spelling, std::uint16_t attribute);
  // Adds a spelling with no characters, to fix its place among the spellings.
  void AddSpelling(const std::string& spelling);
  // Adds a dictionary word; returns its index in Source().words.
  int AddWord(const std::vector<int>& chars, bool simplified = true, bool traditional = false,
              int group = 0, int pattern = 0, const std::string& gloss = {});

  // Direct access for stroke codes, phrases, initials, patterns and texts.
  dictwriter::DictionarySource& Source() { return source_; }

  // The spelling number a spelling text gets when written (0 when unknown).
  int SpellingNumber(const std::string& spelling) const;

  // Writes the six files into dir; returns the writer's error (empty on success).
  std::string Write(const std::string& dir = ".");

 private:
  struct PendingReading {
    int ch;
    std::string spelling;
  };
  std::vector<std::string> OrderedSpellings() const;

  dictwriter::DictionarySource source_;
  std::vector<std::string> spellingOrder_;
  std::map<std::string, std::vector<dictwriter::SpellingEntry>> spellingEntries_;
  std::vector<PendingReading> readings_;
};

}  // namespace dazi::testing
