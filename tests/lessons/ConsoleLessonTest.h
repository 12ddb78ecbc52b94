// A console session on the generated dictionaries in a fresh data folder, for the lesson tests
// that type through the console; skipped when the dictionaries have not been built.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "engine/startup/DictionaryLoader.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"
#include "tools/console/ConsoleSession.h"

namespace dazi::testing {

class ConsoleLessonTest : public ::testing::Test {
 protected:
  using Json = nlohmann::json;

  void SetUp() override {
    if (std::string why = LinkRealDictionaries(folder_.Path()); !why.empty()) GTEST_SKIP() << why;
    ASSERT_TRUE(LoadDictionaries().ok);
    session_ = std::make_unique<console::ConsoleSession>();
  }
  Json Send(const std::string& line) { return Json::parse(session_->HandleLine(line)); }

  TempDataFolder folder_;
  std::unique_ptr<console::ConsoleSession> session_;
};

}  // namespace dazi::testing
