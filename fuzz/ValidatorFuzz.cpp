// The dictionary check (dazi-dictbuild --check) against damaged copies of the six
// dictionaries: each input is a list of edits (fuzz/FuzzFiles.h). The check must answer with
// messages, never fault, and must not pass a set whose files it could not open.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/dict/DictLayout.h"
#include "fuzz/FuzzFiles.h"
#include "tools/dictbuild/Validator.h"

namespace {

using namespace dazi;

constexpr int kFileCount = static_cast<int>(std::size(kDictionaryFileNames));

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::Originals();
  fuzz::MakeScratchFolder("validator");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::OriginalDictionaries& real = fuzz::Originals();
  const std::vector<fuzz::FileEdit> edits = fuzz::ParseEdits(data, size, kFileCount, 8);
  const fuzz::InScratchFolder inside;
  fuzz::EmptyCurrentFolder();
  bool allRegular = true;
  for (int f = 0; f < kFileCount; ++f) {
    const char* name = kDictionaryFileNames[f];
    bool edited = false;
    for (const fuzz::FileEdit& edit : edits) edited = edited || edit.file == f;
    if (!edited) {
      std::filesystem::create_symlink(real.folder + "/" + name, name);
      continue;
    }
    const fuzz::FileState state = fuzz::EditedFile(&real.bytes[f], f, edits);
    allRegular = allRegular && state.kind == fuzz::FileState::Kind::kBytes;
    fuzz::PlaceFile(name, state);
  }
  const std::vector<std::string> problems = dictbuild::CheckDictionaries(".");
  if (!allRegular && problems.empty()) {
    std::fprintf(stderr, "fuzz: the check passed a set with a file missing or not a file\n");
    std::abort();
  }
  return 0;
}
