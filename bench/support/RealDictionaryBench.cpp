#include "bench/support/RealDictionaryBench.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/dict/DictFiles.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/DataFolder.h"

namespace dazi::bench {
namespace {

// Links the dictionaries into a new temporary folder and makes it current; empty when the
// dictionaries are missing or the folder cannot be made.
std::filesystem::path EnterLinkedFolder(const char* program) {
  const std::filesystem::path bin = ExecutableFolder();
  for (const char* name : kDictionaryFileNames) {
    if (!std::filesystem::exists(bin / name)) {
      std::printf("%s: no %s in %s; build the dictionaries first. Skipped.\n", program, name,
                  bin.string().c_str());
      return {};
    }
  }
  std::string pattern = (std::filesystem::temp_directory_path() / "dazi-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return {};
  const std::filesystem::path folder = pattern;
  for (const char* name : kDictionaryFileNames)
    std::filesystem::create_symlink(bin / name, folder / name);
  std::filesystem::current_path(folder);
  return folder;
}

}  // namespace

int RunOnRealDictionaries(int argc, char** argv, const char* program, void (*prepare)()) {
  const std::filesystem::path folder = EnterLinkedFolder(program);
  if (folder.empty()) return 0;
  int rc = 0;
  const LoadResult loaded = LoadDictionaries();
  if (!loaded.ok) {
    std::printf("%s: %s\n", program, loaded.message.c_str());
    rc = 1;
  } else {
    if (prepare) prepare();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
      rc = 1;
    else
      benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
  }
  Dict.CloseAll();
  std::error_code ec;
  std::filesystem::current_path(folder.parent_path(), ec);
  std::filesystem::remove_all(folder, ec);
  return rc;
}

}  // namespace dazi::bench
