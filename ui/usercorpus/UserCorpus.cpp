#include "ui/usercorpus/UserCorpus.h"

#include <fstream>
#include <iterator>
#include <utility>

#include "engine/core/TextTrim.h"
#include "engine/dict/DictLayout.h"
#include "engine/user/AtomicFile.h"

namespace dazi {

namespace {

// Line breaks and TABs would change the tree's shape when the file is read back.
bool HasControlBytes(const std::string& text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x20) return true;
  return false;
}

}  // namespace

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
      return std::string("无法重建文件 ") + kUserLexiconFile + "!";
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

UserCorpus::UserCorpus() : UserCorpus(kUserCorpusFile, kUserLexiconFile) {}

UserCorpus::UserCorpus(std::string corpusPath, std::string lexiconPath)
    : corpusPath_(std::move(corpusPath)), lexiconPath_(std::move(lexiconPath)) {}

bool UserCorpus::LoadCorpusTree() {
  tree_.clear();
  std::ifstream in(corpusPath_, std::ios::binary);
  if (!in) return false;
  tree_ = ParseCorpus(
      std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
  return true;
}

bool UserCorpus::LoadCharTable(const std::string& path) {
  return table_.Load(path);
}

bool UserCorpus::WriteUserLexicon() {
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
  if (node.IsCategory()) return CorpusOutcome::CategoryNotDeletable;
  CorpusTree changed = tree_;
  auto& entries = changed.at(static_cast<std::size_t>(node.category)).entries;
  entries.erase(entries.begin() + node.entry);
  return Commit(std::move(changed));
}

CorpusOutcome UserCorpus::Commit(CorpusTree changed) {
  if (!WriteFileAtomically(corpusPath_, FormatCorpus(changed)))
    return CorpusOutcome::CorpusNotWritten;
  tree_ = std::move(changed);
  return WriteUserLexicon() ? CorpusOutcome::Done : CorpusOutcome::LexiconNotWritten;
}

}  // namespace dazi
