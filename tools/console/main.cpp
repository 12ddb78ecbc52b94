// dazi-console [--data DIR]: types into the practice area from standard input and prints
// one JSON line per input line. See docs/console.md.
#include <iostream>
#include <string>
#include <vector>

#include "engine/startup/DictionaryLoader.h"
#include "engine/user/DataFolder.h"
#include "tools/console/ConsoleSession.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::string folder = dazi::ChooseDataFolder(args);
  std::string error;
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
  dazi::console::ConsoleSession session;
  std::string line;
  while (std::getline(std::cin, line)) std::cout << session.HandleLine(line) << std::endl;
  return 0;
}
