// A test fixture for the keypad engine: a small dictionary of characters with stroke codes,
// written and loaded into a temporary data folder, and typing as the key handler does it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/Unit_Data.h"
#include "tests/support/FixtureDictionary.h"
#include "tests/support/GbkText.h"
#include "tests/support/TempDataFolder.h"

namespace dazi::testing {

class KeypadTest : public ::testing::Test {
 protected:
  // Adds a character with its stroke codes (main code first, then variants 1..), each listed
  // in the first-stroke list of its first digit, in the order of the calls.
  int Char(const std::string& utf8, const std::vector<std::string>& codes,
           std::uint8_t classBits = dictwriter::kStrokeSimplified);

  // Writes and loads the dictionary; keypad method with the given class (3, 4 or 5).
  void Load(int methodClass = 3);

  // Adds a user-lexicon word, respectively a learned word, to the record.
  void AddUserWord(const std::vector<int>& chars);
  void AddLearnedWord(const std::vector<int>& chars);

  // Types the strokes one by one from an empty input, refreshing after each as the key
  // handler does: first-stroke list, matching, page 0, previews.
  void Type(const std::string& strokes);
  // Refreshes for input as a whole, as if no shorter input had shown a first page before.
  void Jump(const std::string& input);
  // Adds one stroke (or replaces the input by "/" or "*") and refreshes.
  void Press(char key);
  void Refresh();
  // Moves to page p and fills it.
  void ShowPage(int p);

  // The results in order: a character as its text, a code-variant match as text/v1..v4, a
  // word as text:dict, text:user or text:learned.
  std::vector<std::string> Results() const;
  // The short name of a word kind or code-variant kind in Results.
  static std::string KindTag(int32 kind);
  // The texts of the filled candidate slots.
  std::vector<std::string> Slots() const;
  // The previews of stroke key d (1-6).
  std::vector<std::string> Previews(int d) const;

  // UTF-8 text of character number n.
  static std::string Text(int n);

  TempDataFolder folder_;
  FixtureDictionary dict_;
};

}  // namespace dazi::testing
