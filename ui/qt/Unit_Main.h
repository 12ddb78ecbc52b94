// TForm_Main: the borderless main window "打字练习". It loads the dictionaries when created,
// starts the practice controller when first shown, hands every key and click in it to the
// controller and paints the controller's view state afterwards.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QSet>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "ui/controller/PracticeController.h"
#include "ui/lessons/LessonCatalogue.h"
#include "ui/lessons/LessonPractice.h"
#include "ui/lessons/LessonSegments.h"
#include "ui/qt/CandidateBarWidgets.h"
#include "ui/qt/CodeHintPanel.h"
#include "ui/qt/DictionaryPanelWidgets.h"
#include "ui/qt/HelpPanelWidgets.h"
#include "ui/qt/LessonView.h"
#include "ui/qt/PracticeArea.h"
#include "ui/qt/StatusBarWidgets.h"
#include "ui/qt/WebPanelWidgets.h"

namespace dazi {

class TForm_Main : public QWidget {
 public:
  // Shows a notice to the user: a modal message box by default; tests record it instead.
  using Notice = std::function<void(QWidget* parent, const QString& caption, const QString& text)>;
  static void ShowMessageBox(QWidget* parent, const QString& caption, const QString& text);
  // Opens a web address with the system's handler; tests record it instead.
  using OpenUrl = std::function<void(const QUrl&)>;
  static void OpenInBrowser(const QUrl& url);
  // Asks the user to confirm (a question box with OK and Cancel); tests answer it themselves.
  using Confirm = std::function<bool(QWidget* parent, const QString& caption, const QString& text)>;
  static bool AskConfirmation(QWidget* parent, const QString& caption, const QString& text);

  explicit TForm_Main(Notice notice = ShowMessageBox,
                      WebPanelOptions web = WebPanelOptions::FromEnvironment(),
                      OpenUrl openUrl = OpenInBrowser);
  ~TForm_Main() override;

  // Whether the dictionaries could be loaded when the window was made.
  bool DictionariesLoaded() const { return dictionariesLoaded_; }
  // The web panel has judged its page and shows the feedback button.
  bool WebPanelSettled() const { return webPanel_->Settled(); }
  const WebPanelWidgets& WebPanel() const { return *webPanel_; }
  // The lesson running in the practice area, if any (from the first showing on).
  lessons::LessonPractice* Lessons() { return lessonPractice_.get(); }
  // Starts a lesson by id or a text file's path, as the chooser does; false when it cannot.
  // minutes > 0 (1, 3 or 5) makes it a timed test over the lesson's text.
  bool StartLesson(const std::string& argument, int minutes = 0);
  // The same once the window is first shown (the command line's --lesson).
  void StartLessonWhenShown(std::string argument) { pendingLesson_ = std::move(argument); }
  // The lesson being practised, in its segments (kept after it ends, for 再练一次).
  const std::optional<lessons::SegmentedLesson>& LessonSegments() const { return segments_; }
  void SetConfirm(Confirm confirm) { confirm_ = std::move(confirm); }
  // Writes the lesson history as CSV, as "导出记录..." does once a file is chosen: the
  // sessions to path, the characters' totals beside it; false (with a notice) on failure.
  bool ExportHistory(const QString& path);

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Pressing on the free client area drags the window.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void FormDestroy();
  void LoadAdvertPage(bool advert);  // the web panel's page
  void BuildHelpTrees();             // the help topics of both methods
  void N1Click();                    // toolbar menu: settings
  void N2Click();                    // toolbar menu: help, the first topic of the method
  void N3Click();                    // toolbar menu: word-making
  void N4Click();                    // toolbar menu: about
  void N5Click();                    // toolbar menu and button: the lesson chooser
  void N6Click();                    // toolbar menu: export the lesson history
  void EndLesson();                  // the end button, or the lesson's last character
  void StartSegment();               // the current segment from its start
  void RetryLesson();                // 重打, F3, 再练一次
  void NextSegment();                // 下一段
  void NextLesson();                 // 下一课
  void ClearClick();                 // 清除内容: asks first during a lesson
  void ShowNotices(const std::vector<std::string>& notices);

  void BuildMemo1();
  StatusBarHandlers StatusHandlers();
  // Runs one controller call and paints the view state it leaves.
  void Run(const std::function<void(PracticeController&)>& call);
  void PaintView();
  void PaintMemo1();
  bool Memo1Key(const QKeyEvent& key, bool press);

  Notice notice_;
  QPixmap background_;
  PracticeArea* memo1_ = nullptr;
  std::unique_ptr<WebPanelWidgets> webPanel_;
  std::unique_ptr<CandidateBarWidgets> candidateBar_;
  std::unique_ptr<StatusBarWidgets> statusBar_;
  std::unique_ptr<DictionaryPanelWidgets> dictionaryPanel_;
  std::unique_ptr<HelpPanelWidgets> helpPanel_;     // from the first showing on
  std::unique_ptr<PracticeController> controller_;  // from the first showing on
  std::unique_ptr<lessons::LessonCatalogue> catalogue_;
  std::unique_ptr<lessons::LessonPractice> lessonPractice_;  // from the first showing on
  LessonView* lessonView_ = nullptr;
  CodeHintPanel* codeHint_ = nullptr;  // F2 in a lesson
  QTimer* lessonClock_ = nullptr;      // ticks the figures' time while a lesson runs
  std::string pendingLesson_;
  std::vector<std::string> startNotices_;  // raised while the window is made, shown over it
  std::optional<lessons::SegmentedLesson> segments_;
  Confirm confirm_ = AskConfirmation;
  bool dictionariesLoaded_ = false;
  bool ctrlAlone_ = false;  // Ctrl is down and no other key was pressed since
  QSet<int> keysDown_;      // virtual-key codes pressed in the practice area, not yet released
  bool dragging_ = false;
  QPoint dragOffset_;
};

}  // namespace dazi
