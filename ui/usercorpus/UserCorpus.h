// The user corpus as the editor TForm_User_Main keeps it, without any toolkit: a two-level
// tree of categories and their entries loaded from srf_pub.dat, the add / modify / delete
// rules with their refusals, and the rewriting of srf_pub.dat and srf_pub.usr after every
// change. Texts are GBK bytes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/usercorpus/CharTable.h"

namespace dazi {

struct CorpusCategory {
  std::string text;
  std::vector<std::string> entries;
};
using CorpusTree = std::vector<CorpusCategory>;

// A node of the tree: a category (entry < 0) or one of its entries.
struct CorpusNode {
  int category = 0;
  int entry = -1;
  bool IsCategory() const { return entry < 0; }
};

// What a command came to. Every outcome but Done and Unchanged has a message for the user.
enum class CorpusOutcome {
  Done,
  Unchanged,
  NoCategoryForAdd,
  InvalidText,
  TooLong,
  AlreadyExists,
  NoNodeForModify,
  EmptyText,
  NoEntryForDelete,
  CategoryNotDeletable,
  CorpusNotWritten,
  LexiconNotWritten,
};

// The message shown for an outcome (UTF-8), empty for Done and Unchanged.
std::string OutcomeMessage(CorpusOutcome outcome);

// The longest entry text in bytes (32 Chinese characters).
inline constexpr std::size_t kMaxEntryBytes = 64;
// The most characters one srf_pub.usr record is built from; longer entries are left out.
inline constexpr std::size_t kMaxLexiconWordChars = 50;

// Reads srf_pub.dat-style text: lines end in CR LF (a bare LF is accepted too), a line
// without a leading TAB is a category, a line with leading TABs an entry of the category
// above. Empty lines are skipped; an entry before any category becomes a category, so no
// text is lost.
CorpusTree ParseCorpus(const std::string& bytes);
// One line per node in tree order, each ending in CR LF, entries after one TAB.
std::string FormatCorpus(const CorpusTree& tree);

// srf_pub.usr rebuilt from the tree: one record per entry whose trimmed text has at least
// two characters, all of them in the table, and at most kMaxLexiconWordChars; then a 0 byte.
std::string UserLexiconBytes(const CorpusTree& tree, const CharTable& table);

class UserCorpus {
 public:
  // The files in the data folder (the current directory) by default.
  UserCorpus();
  UserCorpus(std::string corpusPath, std::string lexiconPath);

  // LoadCorpusTree: replaces the tree by the file's contents. False when it cannot be read;
  // the tree is then empty.
  bool LoadCorpusTree();
  // LoadCharTable: reads the character table of srf_pub.zc.
  bool LoadCharTable(const std::string& path);
  // WriteUserLexicon: rebuilds srf_pub.usr from the tree. Refused (false, file untouched)
  // without a character table, which would leave out every entry.
  bool WriteUserLexicon();

  const CorpusTree& Tree() const { return tree_; }
  const std::string& Text(CorpusNode node) const;

  // Add: the category the new entry goes to, or the refusal when nothing is selected.
  CorpusOutcome AddTarget(const std::optional<CorpusNode>& selected, int* category) const;
  // The answer is trimmed; the entry goes first into the category.
  CorpusOutcome Add(int category, const std::string& answer);
  // Modify: the answer is taken as typed.
  CorpusOutcome CheckModify(const std::optional<CorpusNode>& selected) const;
  CorpusOutcome Modify(CorpusNode node, const std::string& answer);
  // Delete: only entries; the caller asks for confirmation between the two calls.
  CorpusOutcome CheckDelete(const std::optional<CorpusNode>& selected) const;
  CorpusOutcome Delete(CorpusNode node);

 private:
  bool Exists(const std::string& text) const;
  // Writes the changed tree to srf_pub.dat and takes it on success, then rebuilds
  // srf_pub.usr. A tree that could not be written is dropped, so the editor never shows
  // what the file does not hold.
  CorpusOutcome Commit(CorpusTree changed);

  std::string corpusPath_;
  std::string lexiconPath_;
  CorpusTree tree_;
  CharTable table_;
};

}  // namespace dazi
