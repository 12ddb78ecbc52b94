#include "fuzz/FuzzFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/dict/DictLayout.h"

namespace dazi::fuzz {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "fuzz: %s\n", message.c_str());
  std::abort();
}

std::string& ScratchFolder() {
  static std::string folder;
  return folder;
}

}  // namespace

std::string DictionaryFolder() {
  const char* env = std::getenv("DAZI_FUZZ_DICTIONARIES");
  const std::string folder = env && *env ? env : DAZI_FUZZ_DICT_DIR;
  for (const char* name : kDictionaryFileNames)
    if (!fs::is_regular_file(fs::path(folder) / name))
      Fail("no " + std::string(name) + " in " + folder +
           " (build the dictionaries, or set DAZI_FUZZ_DICTIONARIES)");
  return fs::absolute(folder).string();
}

void MakeScratchFolder(const char* target) {
  std::error_code ec;
  const fs::path base =
      fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
  std::string pattern = (base / (std::string("dazi-") + target + "-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) Fail("cannot make a scratch folder in " + base.string());
  ScratchFolder() = pattern;
}

InScratchFolder::InScratchFolder() : back_(fs::current_path().string()) {
  fs::current_path(ScratchFolder());
}

InScratchFolder::~InScratchFolder() {
  std::error_code ec;
  fs::current_path(back_, ec);
}

void EmptyCurrentFolder() {
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(".", ec))
    fs::remove_all(entry.path(), ec);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) Fail("cannot write " + path);
}

std::vector<FileEdit> ParseEdits(const std::uint8_t* data, std::size_t size, int fileCount,
                                 std::size_t maxEdits) {
  std::vector<FileEdit> edits;
  std::size_t at = 0;
  while (edits.size() < maxEdits && size - at >= 8) {
    FileEdit edit;
    edit.file = data[at] % fileCount;
    edit.op = static_cast<EditOp>(data[at + 1] % kEditOpCount);
    edit.offset = static_cast<std::uint32_t>(data[at + 2] | data[at + 3] << 8 | data[at + 4] << 16 |
                                             static_cast<std::uint32_t>(data[at + 5]) << 24);
    const std::size_t length = data[at + 6] | data[at + 7] << 8;
    at += 8;
    const std::size_t taken = std::min(length, size - at);
    edit.payload.assign(reinterpret_cast<const char*>(data + at), taken);
    at += taken;
    edits.push_back(std::move(edit));
  }
  return edits;
}

std::string EncodeEdit(const FileEdit& edit) {
  std::string out;
  out += static_cast<char>(edit.file);
  out += static_cast<char>(edit.op);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>(edit.offset >> shift);
  const std::size_t length = std::min<std::size_t>(edit.payload.size(), 0xFFFF);
  out += static_cast<char>(length & 0xFF);
  out += static_cast<char>(length >> 8);
  out.append(edit.payload, 0, length);
  return out;
}

FileState EditedFile(const std::string* original, int file, const std::vector<FileEdit>& edits) {
  FileState state;
  if (original)
    state.bytes = *original;
  else
    state.kind = FileState::Kind::kMissing;
  for (const FileEdit& edit : edits) {
    if (edit.file != file) continue;
    if (state.kind != FileState::Kind::kBytes) state.bytes.clear();
    state.kind = FileState::Kind::kBytes;
    // Offsets fall inside the file (or at its end), whatever the input says.
    const std::size_t offset = edit.offset % (state.bytes.size() + 1);
    switch (edit.op) {
      case EditOp::kOverwrite:
        state.bytes.replace(offset, std::min(edit.payload.size(), state.bytes.size() - offset),
                            edit.payload);
        break;
      case EditOp::kCutAndAppend:
        state.bytes.resize(offset);
        state.bytes += edit.payload;
        break;
      case EditOp::kReplace:
        state.bytes = edit.payload;
        break;
      case EditOp::kMakeFolder:
        state.kind = FileState::Kind::kFolder;
        break;
      case EditOp::kMakeFifo:
        state.kind = FileState::Kind::kFifo;
        break;
      case EditOp::kRemove:
        state.kind = FileState::Kind::kMissing;
        break;
    }
  }
  return state;
}

void PlaceFile(const std::string& path, const FileState& state) {
  switch (state.kind) {
    case FileState::Kind::kBytes:
      WriteWholeFile(path, state.bytes);
      break;
    case FileState::Kind::kFolder:
      fs::create_directory(path);
      break;
    case FileState::Kind::kFifo:
      if (::mkfifo(path.c_str(), 0600) != 0) Fail("cannot make a FIFO " + path);
      break;
    case FileState::Kind::kMissing:
      break;
  }
}

const OriginalDictionaries& Originals() {
  static const OriginalDictionaries originals = [] {
    OriginalDictionaries read;
    read.folder = DictionaryFolder();
    for (const char* name : kDictionaryFileNames)
      read.bytes.push_back(ReadWholeFile(read.folder + "/" + name));
    return read;
  }();
  return originals;
}

}  // namespace dazi::fuzz
