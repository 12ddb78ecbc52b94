// A practice controller over a small fixture dictionary in a temporary data folder, with
// helpers that type key lines as the console does and read texts back as UTF-8.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/FixtureDictionary.h"
#include "tests/support/GbkText.h"
#include "tests/support/TempDataFolder.h"
#include "ui/controller/PracticeController.h"

namespace dazi::testing {

// Characters 你 尼 好 号 中 国 人 民 华 共 和, the words 你好, 中国, 中国人, 中华人民共和 and
// 人民, with English glosses on 你, 好, 中 and on the words.
FixtureDictionary TypingDictionary();

class ControllerTest : public ::testing::Test {
 protected:
  // Writes d, loads it and starts a controller as the window does when first shown.
  void Start(FixtureDictionary d);
  void SetUp() override { Start(TypingDictionary()); }

  // Types a key line in the console's notation ("ni", "{Enter}", "{Back}").
  void Type(const std::string& keys);
  // Chooses the shown candidate whose text is utf8 with its digit key; fails when absent.
  void ChooseText(const std::string& utf8);

  std::string Input() const;   // InputText
  std::string Output() const;  // the practice text
  std::vector<std::string> CandidateTexts() const;
  std::vector<std::string> CandidateOutputs() const;

  TempDataFolder folder_;
  std::unique_ptr<PracticeController> controller_;
};

}  // namespace dazi::testing
