// The settings dialog and the word-making editor, opened from the toolbar menu. Both are
// modal: a zero timer handles the dialog once its own event loop runs.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/model/ModelSentence.h"
#include "engine/model/SentenceMethod.h"
#include "tests/gui/WindowFixture.h"
#include "tests/model/TinyModel.h"
#include "ui/qt/Unit_Set.h"
#include "ui/qt/Unit_User_Main.h"

namespace dazi::testing {
namespace {

class AuxiliaryWindows : public WindowTest {
 protected:
  // Chooses the toolbar menu item while handle works the modal window it opens.
  template <typename Window>
  void RunMenuItem(const char* item, const std::function<void(Window*)>& handle) {
    bool handled = false;
    QTimer::singleShot(0, [&] {
      auto* window = dynamic_cast<Window*>(QApplication::activeModalWidget());
      handled = window != nullptr;
      if (window) handle(window);
      if (QWidget* still = QApplication::activeModalWidget()) still->close();
    });
    Control<QAction>(item)->trigger();
    EXPECT_TRUE(handled) << item << " opened no modal window";
  }
  void RunSettings(const std::function<void(TForm_Set*)>& handle) {
    RunMenuItem<TForm_Set>("N1", handle);
  }
  std::uint8_t StoredByte() const {
    return static_cast<std::uint8_t>(folder_.ReadBytes("srf_pykx.set").at(0));
  }
};

QCheckBox* Box(QWidget* dialog, const char* name) {
  return dialog->findChild<QCheckBox*>(QString::fromLatin1(name));
}

void Press(QWidget* dialog, const char* button) {
  QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

TEST_F(AuxiliaryWindows, SettingsDialogShowsTheSwitchesInItsSixBoxes) {
  SrfState.ShowEnglish = 0;
  RunSettings([](TForm_Set* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("输入法设置"));
    const auto* group = dialog->findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("功能设置"));
    QStringList captions;
    for (const QCheckBox* box : group->findChildren<QCheckBox*>()) captions << box->text();
    EXPECT_EQ(captions, QStringList({"自动联想", "光标跟随", "显示拼音", "显示英文", "显示字典",
                                     "智能整句"}));
    EXPECT_TRUE(Box(dialog, "CheckBoxZDLX")->isChecked());
    EXPECT_FALSE(Box(dialog, "CheckBoxXSYW")->isChecked());
    EXPECT_TRUE(Box(dialog, "CheckBoxXSZD")->isChecked());
    for (const char* name : {"CheckBoxGBGS", "CheckBoxXSPY"}) {
      EXPECT_FALSE(Box(dialog, name)->isEnabled()) << name;
      QTest::mouseClick(Box(dialog, name), Qt::LeftButton);
      EXPECT_FALSE(Box(dialog, name)->isChecked()) << name;
    }
    EXPECT_EQ(dialog->findChild<QPushButton*>("Button1")->text(), QStringLiteral("确定(&O)"));
    EXPECT_EQ(dialog->findChild<QPushButton*>("Button2")->text(), QStringLiteral("取消(&C)"));
    Press(dialog, "Button2");
  });
}

TEST_F(AuxiliaryWindows, AcceptingStoresTheByteAndSwitchesAtOnce) {
  ASSERT_EQ(StoredByte(), 25);
  RunSettings([](TForm_Set* dialog) {
    QTest::mouseClick(Box(dialog, "CheckBoxXSZD"), Qt::LeftButton);
    QTest::mouseClick(Box(dialog, "CheckBoxXSYW"), Qt::LeftButton);
    Press(dialog, "Button1");
  });
  EXPECT_EQ(StoredByte(), 0x01);
  EXPECT_EQ(SrfState.ShowDictionary, 0);
  EXPECT_EQ(SrfState.ShowEnglish, 0);
  EXPECT_EQ(SrfState.AutoAssociate, 1);
  QTest::keyClicks(Memo1(), "zhong");
  EXPECT_EQ(Text("Label1"), QStringLiteral("1: 中"));
  EXPECT_EQ(Text("Label_YW01"), QString());  // no gloss from this page on

  RunSettings([](TForm_Set* dialog) {
    QTest::mouseClick(Box(dialog, "CheckBoxXSZD"), Qt::LeftButton);
    QTest::mouseClick(Box(dialog, "CheckBoxXSYW"), Qt::LeftButton);
    Press(dialog, "Button1");
  });
  EXPECT_EQ(StoredByte(), 25);  // all three: the value of a fresh start
  EXPECT_EQ(SrfState.ShowDictionary, 1);
}

// Without glosses there is no English output: turning "显示英文" off ends it, and the page
// shown loses its glosses at once.
TEST_F(AuxiliaryWindows, TurningEnglishOffEndsEnglishOutput) {
  QTest::keyClicks(Memo1(), "zhong");
  QTest::keyClick(Memo1(), Qt::Key_Return);
  ASSERT_EQ(SrfState.EnglishMode, 1);
  RunSettings([](TForm_Set* dialog) {
    QTest::mouseClick(Box(dialog, "CheckBoxXSYW"), Qt::LeftButton);
    Press(dialog, "Button1");
  });
  EXPECT_EQ(SrfState.EnglishMode, 0);
  EXPECT_EQ(Text("Label_YW01"), QString());
  QTest::keyClick(Memo1(), Qt::Key_1);
  EXPECT_EQ(Memo1Lines().front(), QStringLiteral("中"));
}

// "关于...": the version and where the dictionaries come from, under which licences; Qt's
// own buttons speak Chinese.
TEST_F(AuxiliaryWindows, AboutBoxNamesTheVersionAndTheDataLicences) {
  RunMenuItem<QDialog>("N4", [](QDialog* box) {
    EXPECT_EQ(box->objectName(), QStringLiteral("AboutBox"));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("关于打字练习"));
    const auto* text = box->findChild<QLabel*>(QStringLiteral("AboutText"));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->text().contains(QRegularExpression(QStringLiteral("dazi \\d+\\.\\d+"))));
    for (const char* part : {"CC-CEDICT", "MDBG", "CC BY-SA 4.0", "Unihan", "LGPL-3.0", "jieba",
                             "Arphic Public License", "GFDL", "MIT", "open-gram", "CC BY-SA 3.0"})
      EXPECT_TRUE(text->text().contains(QString::fromLatin1(part))) << part;
    const auto* buttons = box->findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
  });
}

TEST_F(AuxiliaryWindows, DisabledBoxesNeverReachTheByte) {
  RunSettings([](TForm_Set* dialog) {
    Box(dialog, "CheckBoxGBGS")->setChecked(true);  // even when ticked from outside
    Box(dialog, "CheckBoxXSPY")->setChecked(true);
    QTest::mouseClick(Box(dialog, "CheckBoxZDLX"), Qt::LeftButton);
    Press(dialog, "Button1");
  });
  EXPECT_EQ(StoredByte(), 0x18);
  EXPECT_EQ(SrfState.AutoAssociate, 0);
}

TEST_F(AuxiliaryWindows, CancelOrClosingChangesNothing) {
  RunSettings([](TForm_Set* dialog) {
    QTest::mouseClick(Box(dialog, "CheckBoxZDLX"), Qt::LeftButton);
    QTest::mouseClick(Box(dialog, "CheckBoxXSZD"), Qt::LeftButton);
    Press(dialog, "Button2");
  });
  RunSettings(
      [](TForm_Set* dialog) { QTest::mouseClick(Box(dialog, "CheckBoxXSYW"), Qt::LeftButton); });
  EXPECT_EQ(StoredByte(), 25);
  EXPECT_EQ(SrfState.AutoAssociate, 1);
  EXPECT_EQ(SrfState.ShowEnglish, 1);
  EXPECT_EQ(SrfState.ShowDictionary, 1);
  EXPECT_TRUE(notices_.empty());
}

TEST_F(AuxiliaryWindows, ASettingsFileThatCannotBeWrittenIsReported) {
  std::filesystem::remove("srf_pykx.set");
  std::filesystem::create_directory("srf_pykx.set");
  RunSettings([](TForm_Set* dialog) {
    QTest::mouseClick(Box(dialog, "CheckBoxXSYW"), Qt::LeftButton);
    Press(dialog, "Button1");
  });
  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_EQ(notices_[0].caption, QStringLiteral("提示框"));
  EXPECT_EQ(SrfState.ShowEnglish, 0);  // the switch is set for the run anyway
}

// "智能整句" chooses the statistical engine; it can be ticked only when a model is loaded, and
// its choice is stored apart from the settings byte.
TEST_F(AuxiliaryWindows, SmartSentenceBoxChoosesTheStatisticalEngine) {
  RunSettings([](TForm_Set* dialog) {
    EXPECT_FALSE(Box(dialog, "CheckBoxZNZJ")->isEnabled());
    Press(dialog, "Button1");
  });
  EXPECT_FALSE(std::filesystem::exists(kSentenceMethodFile));

  TinyModel model;
  model.Word({1, 2}, "zhong guo", 5);
  model.Write();
  ASSERT_TRUE(LoadSentenceModel());
  RunSettings([](TForm_Set* dialog) {
    EXPECT_FALSE(Box(dialog, "CheckBoxZNZJ")->isChecked());
    QTest::mouseClick(Box(dialog, "CheckBoxZNZJ"), Qt::LeftButton);
    Press(dialog, "Button1");
  });
  EXPECT_EQ(folder_.ReadBytes(kSentenceMethodFile), std::string(1, '\1'));
  EXPECT_EQ(ActiveSentenceMethod(), SentenceMethod::kModel);
  EXPECT_EQ(StoredByte(), 25);
  RunSettings([](TForm_Set* dialog) {
    EXPECT_TRUE(Box(dialog, "CheckBoxZNZJ")->isChecked());
    QTest::mouseClick(Box(dialog, "CheckBoxZNZJ"), Qt::LeftButton);
    Press(dialog, "Button1");
  });
  EXPECT_EQ(folder_.ReadBytes(kSentenceMethodFile), std::string(1, '\0'));
  EXPECT_EQ(ActiveSentenceMethod(), SentenceMethod::kRules);
  UnloadSentenceModel();
}

// Answers the editor's boxes: input with the given text, records the notices.
struct EditorAnswers {
  QString answer;
  std::vector<QString> notices;
  CorpusPrompts Prompts() {
    CorpusPrompts p;
    p.notice = [this](QWidget*, const QString&, const QString& text) { notices.push_back(text); };
    p.confirm = [](QWidget*, const QString&, const QString&) { return true; };
    p.input = [this](QWidget*, const QString&, const QString&,
                     const QString&) -> std::optional<QString> { return answer; };
    return p;
  }
};

void AddUnderFirstCategory(TForm_User_Main* editor, EditorAnswers* answers) {
  editor->SetPrompts(answers->Prompts());
  auto* tree = editor->findChild<QTreeWidget*>("TreeView1");
  ASSERT_GE(tree->topLevelItemCount(), 1);
  tree->setCurrentItem(tree->topLevelItem(0));
  editor->findChild<QAction*>("MenuNew")->trigger();
}

TEST_F(AuxiliaryWindows, AWordMadeInTheEditorCanBeTypedAtOnce) {
  QTest::keyClicks(Memo1(), "haoren");
  ASSERT_NE(Text("Label1"), QStringLiteral("1: 好人"));
  QTest::keyClick(Memo1(), Qt::Key_Escape);

  EditorAnswers answers{QStringLiteral("好人"), {}};
  RunMenuItem<TForm_User_Main>("N3", [&](TForm_User_Main* editor) {
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("用户语料"));
    AddUnderFirstCategory(editor, &answers);
  });
  EXPECT_TRUE(answers.notices.empty());
  EXPECT_TRUE(notices_.empty());
  ASSERT_EQ(SrfState.UserWordCount, 1);
  QTest::keyClicks(Memo1(), "haoren");
  EXPECT_EQ(Text("Label1"), QStringLiteral("1: 好人"));
  EXPECT_NE(folder_.ReadBytes("srf_pub.dat").find(GbkFromUtf8("\t好人\r\n")), std::string::npos);
}

// srf_pub.dat lost while srf_pub.usr holds words: start-up must not give the editor an
// empty corpus to rebuild the lexicon from.
TEST_F(AuxiliaryWindows, OpeningTheEditorWithoutACorpusKeepsTheLexicon) {
  window_.reset();
  std::string lexicon;
  for (const auto& [a, b] : {std::pair{1, 2}, {3, 4}, {4, 5}, {5, 6}, {1, 5}, {3, 2}})
    lexicon += std::string{2, static_cast<char>(a), 0, static_cast<char>(b), 0};
  lexicon += '\0';
  folder_.WriteBytes("srf_pub.usr", lexicon);
  std::filesystem::remove("srf_pub.dat");
  Open(nullptr);
  ASSERT_EQ(SrfState.UserWordCount, 6);
  EditorAnswers answers;
  RunMenuItem<TForm_User_Main>(
      "N3", [&](TForm_User_Main* editor) { editor->SetPrompts(answers.Prompts()); });
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), lexicon);
  EXPECT_EQ(SrfState.UserWordCount, 6);
  EXPECT_TRUE(notices_.empty());
}

TEST_F(AuxiliaryWindows, ACharacterTableThatCannotBeReopenedIsReported) {
  RunMenuItem<TForm_User_Main>(
      "N3", [](TForm_User_Main*) { std::filesystem::rename("srf_pub.zc", "srf_pub.zc.away"); });
  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_EQ(notices_[0].caption, QStringLiteral("提示框"));
  std::filesystem::rename("srf_pub.zc.away", "srf_pub.zc");
}

TEST_F(AuxiliaryWindows, TheEditorAsksBeforeDeletingAndSaysWhenSaved) {
  folder_.WriteBytes("srf_pub.dat", GbkFromUtf8("人名\r\n\t你好\r\n"));
  TForm_User_Main editor;
  std::vector<QString> questions, notices;
  bool agree = false;
  CorpusPrompts p;
  p.notice = [&](QWidget*, const QString& caption, const QString& text) {
    notices.push_back(caption + ":" + text);
  };
  p.confirm = [&](QWidget*, const QString& caption, const QString& text) {
    questions.push_back(caption + ":" + text);
    return agree;
  };
  p.input = [](QWidget*, const QString&, const QString&, const QString&) {
    return std::optional<QString>();
  };
  editor.SetPrompts(p);
  editor.show();
  auto* tree = editor.findChild<QTreeWidget*>("TreeView1");
  ASSERT_EQ(tree->topLevelItemCount(), 1);
  tree->setCurrentItem(tree->topLevelItem(0)->child(0));
  editor.findChild<QAction*>("MenuDelete")->trigger();
  EXPECT_EQ(questions, std::vector<QString>{QStringLiteral("确认框:确定要删除[你好]吗?")});
  EXPECT_EQ(tree->topLevelItem(0)->childCount(), 1);
  agree = true;
  editor.findChild<QAction*>("MenuDelete")->trigger();
  EXPECT_EQ(tree->topLevelItem(0)->childCount(), 0);
  EXPECT_EQ(folder_.ReadBytes("srf_pub.dat"), GbkFromUtf8("人名\r\n"));
  editor.findChild<QAction*>("MenuSave")->trigger();
  EXPECT_EQ(notices, std::vector<QString>{QStringLiteral("提示框:祝贺：保存完成!")});
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), std::string(1, '\0'));
}

}  // namespace
}  // namespace dazi::testing
