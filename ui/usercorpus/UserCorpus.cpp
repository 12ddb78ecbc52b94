#include "ui/usercorpus/UserCorpus.h"

#include <filesystem>
#include <set>
#include <utility>

#include "engine/core/DataLocation.h"
#include "engine/core/Gbk.h"
#include "engine/core/TextTrim.h"
#include "engine/dict/DictLayout.h"
#include "engine/user/AtomicFile.h"
#include "engine/user/FileRead.h"
#include "engine/user/UserFilesLock.h"
#include "engine/user/UserLexicon.h"

namespace dazi {

namespace {

// Line breaks and TABs would change the tree's shape when the file is read back.
bool HasControlBytes(const std::string& text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x20) return true;
  return false;
}

// The character numbers of each whole record of srf_pub.usr, up to its 0 byte.
std::vector<std::vector<int>> LexiconRecords(const std::string& bytes) {
  std::vector<std::vector<int>> records;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const auto length = static_cast<unsigned char>(bytes[pos]);
    if (length == 0 || pos + 1 + 2 * std::size_t{length} > bytes.size()) break;
    std::vector<int> codes;
    for (std::size_t j = 0; j < length; ++j)
      codes.push_back(static_cast<unsigned char>(bytes[pos + 1 + 2 * j]) |
                      static_cast<unsigned char>(bytes[pos + 2 + 2 * j]) << 8);
    records.push_back(std::move(codes));
    pos += 1 + 2 * std::size_t{length};
  }
  return records;
}

std::string CannotRead(const std::string& name, const FileContents& file) {
  return "无法读取文件 " + name + " (" + file.error + "), 用户语料不能修改!";
}

}  // namespace

std::string RecoveredCategory() {
  return GbkFromUtf8("恢复的词语");
}

std::string OutcomeMessage(CorpusOutcome outcome) {
  switch (outcome) {
    case CorpusOutcome::Done:
    case CorpusOutcome::Unchanged:
      return {};
    case CorpusOutcome::NoCategoryForAdd:
      return "请选择增加的分类!";
    case CorpusOutcome::InvalidText:
      return "请输入的内容不正确!";
    case CorpusOutcome::TooLong:
      return "注意: 输入内容最多为32个汉字长度!";
    case CorpusOutcome::AlreadyExists:
      return "输入的内容已经存在, 请检查!";
    case CorpusOutcome::NoNodeForModify:
      return "请选择修改的内容!";
    case CorpusOutcome::EmptyText:
      return "输入内容不能为空!";
    case CorpusOutcome::NoEntryForDelete:
      return "请选择要删除的内容!";
    case CorpusOutcome::CategoryNotDeletable:
      return "分类不能删除!";
    case CorpusOutcome::CorpusNotWritten:
      return std::string("无法写入文件 ") + kUserCorpusFile + ", 内容未改变!";
    case CorpusOutcome::LexiconNotWritten:
      return std::string("无法写入文件 ") + kUserLexiconFile + ", 内容未改变!";
    case CorpusOutcome::LexiconBehind:
      return std::string("无法重建文件 ") + kUserLexiconFile + "! 下次打开造词时再重建。";
    case CorpusOutcome::NotEditable:
      return "用户语料文件无法读取, 不能修改!";
    case CorpusOutcome::ChangedElsewhere:
      return "用户语料已被另一个程序修改, 已重新读取, 请再操作一次!";
  }
  return {};
}

CorpusTree ParseCorpus(const std::string& bytes) {
  CorpusTree tree;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = bytes.find('\n', pos);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::size_t tabs = line.find_first_not_of(kCorpusEntryIndent);
    if (tabs == std::string::npos) continue;  // TABs only: no text
    if (tabs == 0 || tree.empty())
      tree.push_back({line.substr(tabs), {}});
    else
      tree.back().entries.push_back(line.substr(tabs));
  }
  return tree;
}

std::string FormatCorpus(const CorpusTree& tree) {
  std::string out;
  for (const CorpusCategory& category : tree) {
    out += category.text + kCorpusLineEnd;
    for (const std::string& entry : category.entries)
      out += kCorpusEntryIndent + entry + kCorpusLineEnd;
  }
  return out;
}

std::string UserLexiconBytes(const CorpusTree& tree, const CharTable& table) {
  std::string out;
  for (const CorpusCategory& category : tree) {
    for (const std::string& entry : category.entries) {
      const std::string text = TrimBlanks(entry);
      const std::size_t chars = text.size() / 2;
      if (text.size() % 2 != 0 || chars < 2 || chars > kMaxLexiconWordChars) continue;
      std::vector<std::int32_t> numbers;
      for (std::size_t i = 0; i < chars; ++i) {
        const std::optional<int> number = table.Find(std::string_view(text).substr(2 * i, 2));
        if (!number) break;
        numbers.push_back(*number);
      }
      if (numbers.size() != chars) continue;
      // A number the record cannot hold leaves the entry out too.
      if (const std::optional<std::string> record = EncodeUserWord(numbers)) out += *record;
    }
  }
  out += kUserLexiconEnd;
  return out;
}

UserCorpus::UserCorpus()
    : UserCorpus(UserFilePath(kUserCorpusFile), UserFilePath(kUserLexiconFile)) {}

UserCorpus::UserCorpus(std::string corpusPath, std::string lexiconPath)
    : corpusPath_(std::move(corpusPath)), lexiconPath_(std::move(lexiconPath)) {}

std::vector<std::string> UserCorpus::Open(const std::string& charTablePath) {
  charTablePath_ = charTablePath;
  const UserFilesLock lock;
  if (!lock.Held()) {
    LoadCorpusTree();
    lexiconUnreadable_ = true;  // without the lock nothing may be written
    return {"无法锁定用户文件 (" + lock.Error() + "), 用户语料不能修改!"};
  }
  return OpenLocked();
}

std::vector<std::string> UserCorpus::OpenLocked() {
  std::vector<std::string> messages;
  const FileContents corpus = ReadWholeFile(corpusPath_);
  LoadCorpusTree();
  if (corpus.status == ReadStatus::Unreadable) messages.push_back(CannotRead(corpusPath_, corpus));
  if (!LoadCharTable(charTablePath_))
    messages.push_back("无法读取文件 " + charTablePath_ + ", 未重建用户词库!");
  const FileContents lexicon = ReadWholeFile(lexiconPath_);
  lexiconUnreadable_ = lexicon.status == ReadStatus::Unreadable;
  if (lexiconUnreadable_) messages.push_back(CannotRead(lexiconPath_, lexicon));
  if (!Editable()) return messages;

  // srf_pub.usr is rebuilt from the tree: words only it holds are put into the tree first.
  CorpusTree recovered = tree_;
  const int added = RecoverLexiconWords(lexicon.bytes, &recovered);
  if (added > 0) {
    const std::string bytes = FormatCorpus(recovered);
    if (!WriteFileAtomically(corpusPath_, bytes)) {
      lexiconUnreadable_ = true;  // the rebuild would drop those words: take no changes
      messages.push_back("无法写入文件 " + corpusPath_ + ", 用户语料不能修改!");
      return messages;
    }
    tree_ = std::move(recovered);
    corpusBytes_ = bytes;
    messages.push_back(lexiconPath_ + " 中有 " + std::to_string(added) + " 个词语不在 " +
                       corpusPath_ + " 中, 已加入分类“" + Utf8FromGbk(RecoveredCategory()) + "”。");
  }
  if (!WriteLexiconLocked()) messages.push_back(OutcomeMessage(CorpusOutcome::LexiconBehind));
  return messages;
}

int UserCorpus::RecoverLexiconWords(const std::string& lexicon, CorpusTree* tree) const {
  std::set<std::string> spelled;
  for (const CorpusCategory& category : *tree)
    for (const std::string& entry : category.entries) spelled.insert(TrimBlanks(entry));
  std::vector<std::string> missing;
  for (const std::vector<int>& codes : LexiconRecords(lexicon)) {
    std::string text;
    bool known = true;
    for (const int code : codes) {
      const std::optional<std::string> character = table_.Character(code);
      known = known && character.has_value();
      if (known) text += *character;
    }
    // A record with a number outside the table names no character: it cannot be a word.
    if (known && spelled.insert(text).second) missing.push_back(text);
  }
  if (missing.empty()) return 0;
  auto place = tree->begin();
  while (place != tree->end() && place->text != RecoveredCategory()) ++place;
  if (place == tree->end()) place = tree->insert(tree->end(), {RecoveredCategory(), {}});
  for (std::string& text : missing) place->entries.push_back(std::move(text));
  return static_cast<int>(missing.size());
}

bool UserCorpus::LoadCorpusTree() {
  tree_.clear();
  corpusBytes_.clear();
  const FileContents file = ReadWholeFile(corpusPath_);
  corpusRead_ = file.status != ReadStatus::Unreadable;
  if (file.status != ReadStatus::Read) return corpusRead_;
  corpusBytes_ = file.bytes;
  tree_ = ParseCorpus(file.bytes);
  return true;
}

bool UserCorpus::LoadCharTable(const std::string& path) {
  charTablePath_ = path;
  return table_.Load(path);
}

bool UserCorpus::Editable() const {
  return corpusRead_ && table_.Loaded() && !lexiconUnreadable_;
}

bool UserCorpus::WriteUserLexicon() {
  if (!Editable()) return false;
  const UserFilesLock lock;
  if (!lock.Held()) return false;
  // Rebuilding from a tree that misses another program's new words would drop them.
  const FileContents corpus = ReadWholeFile(corpusPath_);
  if (corpus.status == ReadStatus::Unreadable) return false;
  if (corpus.bytes != corpusBytes_) {
    OpenLocked();
    return Editable();
  }
  return WriteLexiconLocked();
}

bool UserCorpus::WriteLexiconLocked() {
  if (!table_.Loaded()) return false;
  return WriteFileAtomically(lexiconPath_, UserLexiconBytes(tree_, table_));
}

const std::string& UserCorpus::Text(CorpusNode node) const {
  const CorpusCategory& category = tree_.at(static_cast<std::size_t>(node.category));
  return node.IsCategory() ? category.text
                           : category.entries.at(static_cast<std::size_t>(node.entry));
}

bool UserCorpus::Exists(const std::string& text) const {
  for (const CorpusCategory& category : tree_) {
    if (category.text == text) return true;
    for (const std::string& entry : category.entries)
      if (entry == text) return true;
  }
  return false;
}

CorpusOutcome UserCorpus::AddTarget(const std::optional<CorpusNode>& selected,
                                    int* category) const {
  if (!selected) return CorpusOutcome::NoCategoryForAdd;
  *category = selected->category;
  return CorpusOutcome::Done;
}

CorpusOutcome UserCorpus::Add(int category, const std::string& answer) {
  if (!Editable()) return CorpusOutcome::NotEditable;
  const std::string text = TrimBlanks(answer);
  if (text.empty() || HasControlBytes(text)) return CorpusOutcome::InvalidText;
  if (text.size() > kMaxEntryBytes) return CorpusOutcome::TooLong;
  if (Exists(text)) return CorpusOutcome::AlreadyExists;
  CorpusTree changed = tree_;
  auto& entries = changed.at(static_cast<std::size_t>(category)).entries;
  entries.insert(entries.begin(), text);
  return Commit(std::move(changed));
}

CorpusOutcome UserCorpus::CheckModify(const std::optional<CorpusNode>& selected) const {
  return selected ? CorpusOutcome::Done : CorpusOutcome::NoNodeForModify;
}

CorpusOutcome UserCorpus::Modify(CorpusNode node, const std::string& answer) {
  if (!Editable()) return CorpusOutcome::NotEditable;
  if (answer.empty()) return CorpusOutcome::EmptyText;
  if (answer == Text(node)) return CorpusOutcome::Unchanged;
  if (HasControlBytes(answer)) return CorpusOutcome::InvalidText;
  if (answer.size() > kMaxEntryBytes) return CorpusOutcome::TooLong;
  if (Exists(answer)) return CorpusOutcome::AlreadyExists;
  CorpusTree changed = tree_;
  CorpusCategory& category = changed.at(static_cast<std::size_t>(node.category));
  (node.IsCategory() ? category.text : category.entries.at(static_cast<std::size_t>(node.entry))) =
      answer;
  return Commit(std::move(changed));
}

CorpusOutcome UserCorpus::CheckDelete(const std::optional<CorpusNode>& selected) const {
  if (!selected) return CorpusOutcome::NoEntryForDelete;
  if (selected->IsCategory()) return CorpusOutcome::CategoryNotDeletable;
  return CorpusOutcome::Done;
}

CorpusOutcome UserCorpus::Delete(CorpusNode node) {
  if (!Editable()) return CorpusOutcome::NotEditable;
  if (node.IsCategory()) return CorpusOutcome::CategoryNotDeletable;
  CorpusTree changed = tree_;
  auto& entries = changed.at(static_cast<std::size_t>(node.category)).entries;
  entries.erase(entries.begin() + node.entry);
  return Commit(std::move(changed));
}

CorpusOutcome UserCorpus::Commit(CorpusTree changed) {
  if (!Editable()) return CorpusOutcome::NotEditable;
  const UserFilesLock lock;
  if (!lock.Held()) return CorpusOutcome::CorpusNotWritten;
  // Another program (a second window, the console) may have saved a learned word since the
  // tree was read: writing the old tree back would lose it.
  const FileContents current = ReadWholeFile(corpusPath_);
  if (current.status == ReadStatus::Unreadable) return CorpusOutcome::CorpusNotWritten;
  if (current.bytes != corpusBytes_) {
    OpenLocked();
    return CorpusOutcome::ChangedElsewhere;
  }
  const std::string bytes = FormatCorpus(changed);
  if (!WriteFileAtomically(corpusPath_, bytes)) return CorpusOutcome::CorpusNotWritten;
  if (table_.Loaded() && WriteFileAtomically(lexiconPath_, UserLexiconBytes(changed, table_))) {
    tree_ = std::move(changed);
    corpusBytes_ = bytes;
    return CorpusOutcome::Done;
  }
  // The two files must agree: put srf_pub.dat back as it was.
  std::error_code ec;
  const bool restored = current.status == ReadStatus::Read
                            ? WriteFileAtomically(corpusPath_, corpusBytes_)
                            : std::filesystem::remove(corpusPath_, ec);
  if (restored) return CorpusOutcome::LexiconNotWritten;
  tree_ = std::move(changed);
  corpusBytes_ = bytes;
  return CorpusOutcome::LexiconBehind;
}

}  // namespace dazi
