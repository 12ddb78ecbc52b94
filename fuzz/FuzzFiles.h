// What the fuzz targets share: the real dictionaries the build generated, a scratch folder in
// memory-backed storage, and the edit records a fuzz input is read as.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dazi::fuzz {

// The folder of the generated dictionaries: $DAZI_FUZZ_DICTIONARIES, else the folder the fuzz
// build was configured with. Aborts with a message when a dictionary is missing there.
std::string DictionaryFolder();

// The six generated dictionaries as the build made them, read once.
struct OriginalDictionaries {
  std::string folder;
  std::vector<std::string> bytes;  // in the order of kDictionaryFileNames
};

// Reads them on the first call (from LLVMFuzzerInitialize); later calls return the same copy.
const OriginalDictionaries& Originals();

// Makes the target's new empty scratch folder (in /dev/shm when there is one, so the user
// files' flushes cost little). Aborts when it cannot be made.
void MakeScratchFolder(const char* target);

// The scratch folder is the current directory while this lives. Inputs run inside it, and
// libFuzzer's own relative paths (corpus folders, crash files) keep their meaning outside.
class InScratchFolder {
 public:
  InScratchFolder();
  ~InScratchFolder();
  InScratchFolder(const InScratchFolder&) = delete;
  InScratchFolder& operator=(const InScratchFolder&) = delete;

 private:
  std::string back_;
};

// Empties the current directory (files, links, folders, FIFOs).
void EmptyCurrentFolder();

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

// One change to one file of a fixed list. Written as: file index, operation, offset (u32,
// little-endian), payload length (u16, little-endian), payload.
enum class EditOp : std::uint8_t {
  kOverwrite = 0,  // the payload replaces the bytes at offset (the file may grow)
  kCutAndAppend,   // the file ends at offset, then the payload follows
  kReplace,        // the file is the payload alone
  kMakeFolder,     // a folder stands where the file belongs
  kMakeFifo,       // a FIFO stands where the file belongs
  kRemove,         // the file is missing
};
inline constexpr int kEditOpCount = 6;

struct FileEdit {
  int file = 0;
  EditOp op = EditOp::kOverwrite;
  std::uint32_t offset = 0;
  std::string payload;
};

// Reads at most maxEdits records (operations and file indexes taken modulo their counts).
std::vector<FileEdit> ParseEdits(const std::uint8_t* data, std::size_t size, int fileCount,
                                 std::size_t maxEdits);
// The bytes of one record, for seeds.
std::string EncodeEdit(const FileEdit& edit);

// What becomes of one file: its bytes, or a folder, a FIFO or nothing.
struct FileState {
  enum class Kind { kBytes, kFolder, kFifo, kMissing } kind = Kind::kBytes;
  std::string bytes;
};
// Applies the edits of file index `file` in order to its original (nullptr: the file is
// missing at first).
FileState EditedFile(const std::string* original, int file, const std::vector<FileEdit>& edits);
// Puts the state at path in the current directory.
void PlaceFile(const std::string& path, const FileState& state);

}  // namespace dazi::fuzz
