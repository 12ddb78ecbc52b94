// The addon inside a real fcitx5 instance: fcitx5's test frontend makes the input contexts,
// keys go through fcitx5's own key dispatch to the addon, and committed text is read from
// fcitx5's commit events. The dictionaries are the generated ones; the user folder is a fresh
// temporary one, and the current directory another, which must stay empty.
#include <fcitx-utils/testing.h>
#include <fcitx/addonmanager.h>
#include <fcitx/candidatelist.h>
#include <fcitx/inputcontext.h>
#include <fcitx/inputcontextmanager.h>
#include <fcitx/inputmethodgroup.h>
#include <fcitx/inputmethodmanager.h>
#include <fcitx/inputpanel.h>
#include <fcitx/instance.h>
#include <gmock/gmock.h>
#include <stdlib.h>
#include <testfrontend_public.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

fs::path MakeTempFolder(const char* tag) {
  std::string pattern = (fs::temp_directory_path() / (std::string("dazi-") + tag + "-XXXXXX"));
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One fcitx5 instance for the whole run, as in the daemon: the addon keeps one engine record.
class Fcitx5Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    user_ = MakeTempFolder("user");
    cwd_ = MakeTempFolder("cwd");
    ::setenv("XDG_DATA_HOME", user_.c_str(), 1);
    ::setenv("DAZI_DICTIONARY_DIR", DAZI_DICTIONARY_DIR, 1);
    dictionariesBefore_ = Names(DAZI_DICTIONARY_DIR);
    fs::current_path(cwd_);
    fcitx::setupTestingEnvironment(DAZI_BUILD_DIR, {"fcitx5/lib"}, {"fcitx5/data"});
    char arg0[] = "fcitx5_addon_tests";
    char arg1[] = "--disable=all";
    char arg2[] = "--enable=testim,testfrontend,testui,dazi";
    char* argv[] = {arg0, arg1, arg2};
    instance_ = std::make_unique<fcitx::Instance>(3, argv);
    instance_->addonManager().registerDefaultLoader(nullptr);
    instance_->initialize();
    fcitx::InputMethodManager& methods = instance_->inputMethodManager();
    fcitx::InputMethodGroup group = methods.currentGroup();
    group.inputMethodList().clear();
    for (const char* name : {"keyboard-us", "dazi-pinyin", "dazi-keypad"})
      group.inputMethodList().emplace_back(name);
    methods.setGroup(std::move(group));
  }
  void TearDown() override {
    instance_.reset();
    std::error_code ec;
    fs::remove_all(user_, ec);
    fs::remove_all(cwd_, ec);
  }

  static fcitx::Instance* Instance() { return instance_.get(); }
  static fs::path UserFolder() { return user_ / "dazi"; }
  static const fs::path& CurrentFolder() { return cwd_; }
  static const std::set<std::string>& DictionariesBefore() { return dictionariesBefore_; }

 private:
  static inline std::unique_ptr<fcitx::Instance> instance_;
  static inline fs::path user_, cwd_;
  static inline std::set<std::string> dictionariesBefore_;
};

class AddonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fcitx::Instance* instance = Fcitx5Environment::Instance();
    frontend_ = instance->addonManager().addon("testfrontend");
    ASSERT_NE(frontend_, nullptr);
    ASSERT_NE(instance->addonManager().addon("dazi"), nullptr) << "the addon did not load";
    ic_ = NewContext();
    watcher_ =
        instance->watchEvent(fcitx::EventType::InputContextCommitString,
                             fcitx::EventWatcherPhase::PreInputMethod, [this](fcitx::Event& event) {
                               auto& commit = static_cast<fcitx::CommitStringEvent&>(event);
                               commits_.push_back(commit.text());
                             });
    Use("dazi-pinyin");
  }
  void TearDown() override {
    watcher_.reset();
    for (fcitx::ICUUID uuid : contexts_)
      frontend_->call<fcitx::ITestFrontend::destroyInputContext>(uuid);
  }

  fcitx::InputContext* NewContext() {
    const fcitx::ICUUID uuid =
        frontend_->call<fcitx::ITestFrontend::createInputContext>("dazi-test");
    contexts_.push_back(uuid);
    fcitx::InputContext* ic = Fcitx5Environment::Instance()->inputContextManager().findByUUID(uuid);
    ic->focusIn();
    return ic;
  }

  void Use(const char* method) {
    Fcitx5Environment::Instance()->setCurrentInputMethod(ic_, method, true);
    ASSERT_EQ(Fcitx5Environment::Instance()->inputMethod(ic_), method);
  }

  // Presses and releases a key (fcitx5's key names: "a", "space", "KP_1", "Control+c");
  // true when the addon took it, false when it passed it on to the program.
  bool Press(const std::string& name) {
    const fcitx::Key key(name);
    EXPECT_TRUE(key.isValid()) << name;
    fcitx::KeyEvent press(ic_, key, false);
    const bool taken = ic_->keyEvent(press);
    fcitx::KeyEvent release(ic_, key, true);
    ic_->keyEvent(release);
    return taken;
  }
  // Presses the keys of text one by one, every one expected to be taken.
  void Type(const std::string& text) {
    for (char c : text) EXPECT_TRUE(Press(c == ' ' ? "space" : std::string(1, c))) << c;
  }

  std::shared_ptr<fcitx::CandidateList> List() const { return ic_->inputPanel().candidateList(); }
  // The committable text of each candidate on show.
  std::vector<std::string> Candidates() const {
    std::vector<std::string> texts;
    if (const auto list = List())
      for (int i = 0; i < list->size(); ++i)
        texts.push_back(list->candidate(i).text().toStringForCommit());
    return texts;
  }
  std::string Preedit() const {
    const fcitx::InputPanel& panel = ic_->inputPanel();
    return panel.clientPreedit().toString() + panel.preedit().toString();
  }
  // The label key of the candidate whose text is text, or "" when it is not on the page.
  std::string LabelOf(const std::string& text) const {
    const std::vector<std::string> texts = Candidates();
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (texts[i] != text) continue;
      const std::string label = List()->label(static_cast<int>(i)).toString();
      return label.substr(0, label.find('.'));
    }
    return {};
  }

  fcitx::AddonInstance* frontend_ = nullptr;
  fcitx::InputContext* ic_ = nullptr;
  std::vector<fcitx::ICUUID> contexts_;
  std::unique_ptr<fcitx::HandlerTableEntry<fcitx::EventHandler>> watcher_;
  std::vector<std::string> commits_;
};

TEST_F(AddonTest, PinyinAndSpaceCommitTheFirstCandidateWithoutItsGloss) {
  Type("nihao");
  EXPECT_EQ(Preedit(), "nihao");
  ASSERT_THAT(Candidates(), Not(IsEmpty()));
  EXPECT_EQ(Candidates()[0], "你好");
  // The English gloss rides along as a comment that is never committed.
  const fcitx::Text& first = List()->candidate(0).text();
  ASSERT_EQ(first.size(), 2u);
  EXPECT_TRUE(first.formatAt(1).test(fcitx::TextFormatFlag::DontCommit));
  EXPECT_NE(first.stringAt(1), " ");
  Type(" ");
  EXPECT_THAT(commits_, ElementsAre("你好"));
  EXPECT_EQ(Preedit(), "");
}

TEST_F(AddonTest, FollowOnWordsAfterAChoiceAreChosenWithTheirDigit) {
  Type("zhong ");
  ASSERT_EQ(commits_.size(), 1u);
  const std::vector<std::string> followOns = Candidates();
  ASSERT_THAT(followOns, Not(IsEmpty()));
  EXPECT_EQ(Preedit(), "");
  // A follow-on word is shown whole and commits what follows the text already written.
  ASSERT_EQ(followOns[0].rfind(commits_[0], 0), 0u) << followOns[0];
  EXPECT_TRUE(Press("1"));
  EXPECT_THAT(commits_, ElementsAre(commits_[0], followOns[0].substr(commits_[0].size())));
}

TEST_F(AddonTest, PageKeysTurnTheCandidatePageBothWays) {
  Type("da");
  const std::vector<std::string> first = Candidates();
  ASSERT_EQ(first.size(), 10u);
  for (const auto& [next, previous] :
       {std::pair{"equal", "minus"}, {"Page_Down", "Page_Up"}, {"KP_Add", "KP_Subtract"}}) {
    EXPECT_TRUE(Press(next)) << next;
    EXPECT_THAT(Candidates(), Not(IsEmpty())) << next;
    EXPECT_NE(Candidates(), first) << next;
    EXPECT_TRUE(Press(previous)) << previous;
    EXPECT_EQ(Candidates(), first) << previous;
  }
  EXPECT_THAT(commits_, IsEmpty());
}

// The pad keys that choose the four slots, with NumLock off.
const std::map<std::string, std::string> kNumLockOffChoices = {
    {"0", "KP_Insert"}, {"7", "KP_Home"}, {"8", "KP_Up"}, {"9", "KP_Page_Up"}};

TEST_F(AddonTest, KeypadStrokesOnTheNumericPadCommitTheirCharacterWithNumLockOnOrOff) {
  Use("dazi-keypad");
  // 工: horizontal, vertical, horizontal; the pad's navigation keys when NumLock is off.
  for (const std::vector<std::string>& strokes :
       {std::vector<std::string>{"KP_1", "KP_2", "KP_1"}, {"KP_End", "KP_Down", "KP_End"}}) {
    commits_.clear();
    for (const std::string& key : strokes) EXPECT_TRUE(Press(key)) << key;
    EXPECT_EQ(Preedit(), "121");
    EXPECT_NE(ic_->inputPanel().auxUp().toString(), "");  // the next strokes' previews
    std::string label = LabelOf("工");
    for (int page = 0; label.empty() && page < 20; ++page) {
      ASSERT_TRUE(Press("KP_Add"));
      label = LabelOf("工");
    }
    ASSERT_NE(label, "") << "工 is on no page of 121";
    const bool numLock = strokes[0] == "KP_1";
    EXPECT_TRUE(Press(numLock ? "KP_" + label : kNumLockOffChoices.at(label)));
    EXPECT_THAT(commits_, ElementsAre("工"));
    Press("Escape");  // drops the follow-on words for the next round
  }
}

TEST_F(AddonTest, KeysTheMethodDoesNotUsePassOnToTheProgram) {
  for (const char* key : {"A", "Control+c", "1", "BackSpace", "space", "Return", "Escape",
                          "Page_Down", "F5", "Alt+a"})
    EXPECT_FALSE(Press(key)) << "pinyin, nothing pending: " << key;
  Type("ni");
  EXPECT_FALSE(Press("Control+c")) << "a shortcut while typing";
  EXPECT_TRUE(Press("BackSpace"));
  Use("dazi-keypad");
  for (const char* key : {"1", "a", "BackSpace"})
    EXPECT_FALSE(Press(key)) << "keypad, nothing pending: " << key;
  EXPECT_THAT(commits_, IsEmpty());
}

TEST_F(AddonTest, FocusMovingToAnotherFieldDropsTheTyping) {
  Type("ni");
  ASSERT_THAT(Candidates(), Not(IsEmpty()));
  ic_->focusOut();
  ic_ = NewContext();
  Use("dazi-pinyin");
  EXPECT_FALSE(Press("1"));  // nothing to choose in the new field
  EXPECT_FALSE(Press("space"));
  EXPECT_THAT(commits_, IsEmpty());
}

TEST_F(AddonTest, LearnedWordsGoToTheUserFolderOnly) {
  const fs::path corpus = Fcitx5Environment::UserFolder() / "srf_pub.dat";
  const std::string before = ReadFile(corpus);
  // A phrase chosen piece by piece and ended with a mark twice is learned.
  for (int round = 0; round < 2; ++round) {
    Type("zhong");
    const std::string zhong = LabelOf("中");
    ASSERT_NE(zhong, "");
    EXPECT_TRUE(Press(zhong));
    Type("wen");
    const std::string wen = LabelOf("文");
    ASSERT_NE(wen, "");
    EXPECT_TRUE(Press(wen));
    Press("comma");
  }
  const std::string after = ReadFile(corpus);
  EXPECT_NE(after, before);
  EXPECT_NE(after.find("\xD6\xD0\xCE\xC4"), std::string::npos);  // 中文 in GBK
  EXPECT_TRUE(Names(Fcitx5Environment::CurrentFolder()).empty());
  EXPECT_EQ(Names(DAZI_DICTIONARY_DIR), Fcitx5Environment::DictionariesBefore());
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new Fcitx5Environment);
  return RUN_ALL_TESTS();
}
