// dazi-console [--data DIR]: types into the practice area from standard input and prints
// one JSON line per input line. With --convert [--sentence rules|model] it converts pinyin
// lines to text instead. See docs/console.md.
#include <CLI/CLI.hpp>
#include <iostream>
#include <string>

#include "engine/model/SentenceMethod.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/DataFolder.h"
#include "tools/console/BatchConversion.h"
#include "tools/console/ConsoleSession.h"
#include "ui/controller/DefaultSentence.h"
#include "ui/controller/SuppliedFiles.h"

int main(int argc, char** argv) {
  CLI::App app(
      "Types into the practice area from standard input: each line is keys or a "
      ":command, answered with one JSON line. See docs/console.md.",
      "dazi-console");
  std::string folder;
  const CLI::Option* data = app.add_option("--data", folder,
                                           "The data folder: dictionaries and user files (default: "
                                           "$XDG_DATA_HOME/dazi, i.e. ~/.local/share/dazi)")
                                ->option_text("DIR");
  bool convert = false;
  app.add_flag("--convert", convert,
               "Convert pinyin lines to text, one output line per input line, instead of typing");
  std::string sentence;
  app.add_option("--sentence", sentence,
                 "The whole-sentence engine: rules or model (default: the one stored in "
                 "srf_sentence.set)")
      ->option_text("rules|model")
      ->check(CLI::IsMember({"rules", "model"}));
  app.set_version_flag("--version", std::string("dazi-console ") + DAZI_VERSION,
                       "Print the version and exit");
  // A wrong command line is a usage error (status 2) that shows the usage, on stderr.
  app.failure_message([](const CLI::App* parser, const CLI::Error& e) {
    return "dazi-console: " + std::string(e.what()) + "\n\n" + parser->help();
  });
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;
  }

  std::string error;
  if (data->count() == 0) {
    folder = dazi::DefaultDataFolder();
    if (!dazi::ProvideDataFolder(folder, dazi::SuppliedFolder(), dazi::SuppliedFiles(), &error)) {
      std::cout << dazi::console::ErrorReport(error) << std::endl;
      return 1;
    }
  }
  if (!dazi::EnterDataFolder(folder, &error)) {
    std::cout << dazi::console::ErrorReport(error) << std::endl;
    return 1;
  }
  const dazi::LoadResult loaded = dazi::LoadDictionaries();
  if (!loaded.ok) {
    std::cout << dazi::console::ErrorReport(loaded.message) << std::endl;
    return 1;
  }
  if (!loaded.warning.empty()) std::cerr << "dazi-console: " << loaded.warning << '\n';
  dazi::StartSentenceMethod();
  if (!sentence.empty())
    dazi::SetSentenceMethod(sentence == "model" ? dazi::SentenceMethod::kModel
                                                : dazi::SentenceMethod::kRules);
  if (convert) {
    const std::string failure =
        dazi::console::ConvertLines(std::cin, std::cout, dazi::ActiveSentenceMethod());
    if (failure.empty()) return 0;
    std::cerr << "dazi-console: " << failure << '\n';
    return 1;
  }
  dazi::console::ConsoleSession session;
  if (!loaded.warning.empty()) session.Notify(loaded.warning);
  std::string line;
  while (std::getline(std::cin, line)) std::cout << session.HandleLine(line) << std::endl;
  return 0;
}
