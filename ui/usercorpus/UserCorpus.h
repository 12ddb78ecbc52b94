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
  LexiconNotWritten,  // srf_pub.dat was put back: nothing changed
  LexiconBehind,      // srf_pub.dat holds the change, srf_pub.usr could not follow
  NotEditable,        // a user file or the character table could not be read
  ChangedElsewhere,   // another program changed srf_pub.dat: the tree was read again
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

// The category that words of srf_pub.usr missing from srf_pub.dat are put back into.
std::string RecoveredCategory();

class UserCorpus {
 public:
  // The files in the user folder (engine/core/DataLocation.h) by default.
  UserCorpus();
  UserCorpus(std::string corpusPath, std::string lexiconPath);

  // The editor's opening, under the data folder's lock (engine/user/UserFilesLock.h): reads
  // srf_pub.dat, the character table at charTablePath and srf_pub.usr; puts every word of
  // srf_pub.usr that srf_pub.dat lacks back into srf_pub.dat (category RecoveredCategory());
  // then rebuilds srf_pub.usr from the tree. If a file cannot be read nothing is written and
  // the editor takes no changes (Editable() is false). Returns the messages for the user.
  std::vector<std::string> Open(const std::string& charTablePath);

  // LoadCorpusTree: replaces the tree by the file's contents. False when it exists but cannot
  // be read; the tree is then empty. A missing file gives an empty tree.
  bool LoadCorpusTree();
  // LoadCharTable: reads the character table of srf_pub.zc.
  bool LoadCharTable(const std::string& path);
  // WriteUserLexicon: rebuilds srf_pub.usr from the tree. Refused (false, file untouched)
  // without a character table, which would leave out every entry, or while the editor takes
  // no changes.
  bool WriteUserLexicon();
  // Whether changes can be written: srf_pub.dat and the character table were read, and
  // srf_pub.usr was not found unreadable.
  bool Editable() const;

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
  // srf_pub.usr; if that fails srf_pub.dat is put back. A tree that could not be written is
  // dropped, so the editor never shows what the file does not hold. Under the lock, and only
  // when srf_pub.dat still holds what the tree was read from.
  CorpusOutcome Commit(CorpusTree changed);
  // Open without taking the lock (the caller holds it).
  std::vector<std::string> OpenLocked();
  // Adds the words of the lexicon bytes that no entry of the tree spells; how many.
  int RecoverLexiconWords(const std::string& lexicon, CorpusTree* tree) const;
  bool WriteLexiconLocked();

  std::string corpusPath_;
  std::string lexiconPath_;
  std::string charTablePath_;
  CorpusTree tree_;
  CharTable table_;
  std::string corpusBytes_;  // srf_pub.dat as last read or written
  bool corpusRead_ = false;
  bool lexiconUnreadable_ = false;
};

}  // namespace dazi
