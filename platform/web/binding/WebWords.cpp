#include "platform/web/binding/WebWords.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

#include "engine/core/DataLocation.h"
#include "engine/core/Gbk.h"
#include "engine/dict/DictLayout.h"
#include "tools/console/ConsoleSession.h"
#include "tools/console/Json.h"
#include "ui/usercorpus/UserCorpus.h"

namespace dazi::web {
namespace {

std::string TreeReport(const UserCorpus& corpus, const std::string& message) {
  console::Json categories = console::Json::array();
  for (const CorpusCategory& category : corpus.Tree()) {
    console::Json words = console::Json::array();
    for (const std::string& entry : category.entries) words.push_back(Utf8FromGbk(entry));
    categories.push_back(
        console::Json{{"text", Utf8FromGbk(category.text)}, {"words", std::move(words)}});
  }
  return console::JsonLine(
      console::Json{{"categories", std::move(categories)}, {"message", message}});
}

}  // namespace

std::string AnswerWords(const std::string& command) {
  // Opened anew for each command, as the desktop editor opens: the files may have changed by
  // learning since.
  UserCorpus corpus;
  std::string message;
  for (const std::string& line : corpus.Open(DictionaryPath(kZcFile))) message += line + "\n";
  std::istringstream words(command);
  std::string verb;
  words >> verb;
  if (verb == "open") return TreeReport(corpus, message);
  if (verb != "add" && verb != "delete")
    return console::ErrorReport("unknown word command: " + verb);
  int category = -1;
  if (!(words >> category) || category < 0 || category >= static_cast<int>(corpus.Tree().size())) {
    return console::ErrorReport("no such category");
  }
  if (verb == "add") {
    std::string text;
    std::getline(words >> std::ws, text);
    // A character without a GBK code cannot be typed: refused as the editor refuses bad text.
    const std::optional<std::string> gbk = TryGbkFromUtf8(text);
    message += OutcomeMessage(gbk ? corpus.Add(category, *gbk) : CorpusOutcome::InvalidText);
  } else {
    int entry = -1;
    if (!(words >> entry) || entry < 0 ||
        entry >= static_cast<int>(corpus.Tree()[category].entries.size())) {
      return console::ErrorReport("no such word");
    }
    message += OutcomeMessage(corpus.Delete({category, entry}));
  }
  return TreeReport(corpus, message);
}

}  // namespace dazi::web
