#include "ui/qt/Unit_Main.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "engine/core/MethodClass.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/DataFolder.h"
#include "ui/controller/DefaultSentence.h"
#include "ui/controller/VirtualKeys.h"
#include "ui/lessons/WeakPoints.h"
#include "ui/qt/AboutBox.h"
#include "ui/qt/KeyTranslation.h"
#include "ui/qt/LessonChooser.h"
#include "ui/qt/LessonResults.h"
#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/Unit_Set.h"
#include "ui/qt/Unit_User_Main.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {

void TForm_Main::ShowMessageBox(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, parent);
  box.exec();
}

bool TForm_Main::AskConfirmation(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                  parent);
  return box.exec() == QMessageBox::Ok;
}

void TForm_Main::OpenInBrowser(const QUrl& url) {
  QDesktopServices::openUrl(url);
}

TForm_Main::TForm_Main(Notice notice, WebPanelOptions web, OpenUrl openUrl)
    : notice_(std::move(notice)) {
  setObjectName(QStringLiteral("Form_Main"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("打字练习"));
  setFixedSize(layout::kClientSize);
  background_ = LoadPicture(QStringLiteral("background.jpg"));

  webPanel_ = std::make_unique<WebPanelWidgets>(
      this, std::move(web), std::move(openUrl),
      [this](const QString& text) { notice_(this, QStringLiteral("提示框"), text); });
  // A click in the web page leaves the keyboard with the practice area.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now != nullptr && webPanel_->Panel4()->isAncestorOf(now)) memo1_->setFocus();
  });

  BuildMemo1();
  // Above Memo1, below the candidate panels made after it.
  lessonView_ = new LessonView(
      this, {[this] { EndLesson(); }, [this] { RetryLesson(); }, [this] { NextSegment(); }});
  codeHint_ = new CodeHintPanel(this);
  lessonClock_ = new QTimer(this);
  lessonClock_->setInterval(1000);
  connect(lessonClock_, &QTimer::timeout, this, [this] {
    if (!lessonPractice_) return;
    lessonPractice_->Tick();  // a timed test's time may be up
    if (lessonPractice_->Running() && lessonPractice_->Run()->Stopped()) return EndLesson();
    lessonView_->ShowRun(lessonPractice_->Run());
  });
  candidateBar_ = std::make_unique<CandidateBarWidgets>(
      this, [this] { Run([](PracticeController& c) { c.SpeedButtonKXZDClick(); }); });
  dictionaryPanel_ = std::make_unique<DictionaryPanelWidgets>(this, [this](int button) {
    Run([button](PracticeController& c) { c.SpeedButtonZD01Click(button); });
  });
  statusBar_ = std::make_unique<StatusBarWidgets>(this, StatusHandlers());
  setFocusProxy(memo1_);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
  FormCreate();
}

TForm_Main::~TForm_Main() {
  ShowNotices(std::exchange(startNotices_, {}));  // the window never came up: said all the same
  FormDestroy();
}

void TForm_Main::BuildMemo1() {
  memo1_ = new PracticeArea(this);
  memo1_->setObjectName(QStringLiteral("Memo1"));
  memo1_->setGeometry(layout::kMemo1);
  memo1_->installEventFilter(this);
}

StatusBarHandlers TForm_Main::StatusHandlers() {
  auto call = [this](void (PracticeController::*handler)()) {
    return [this, handler] { Run([handler](PracticeController& c) { (c.*handler)(); }); };
  };
  using Button = PracticeController::MethodButton;
  StatusBarHandlers h;
  h.label13Click = call(&PracticeController::Label13Click);
  h.label14Click = call(&PracticeController::Label14Click);
  h.label15Click = call(&PracticeController::Label15Click);
  h.label16Click = call(&PracticeController::Label16Click);
  h.label17Click = call(&PracticeController::Label17Click);
  h.speedButton2Click = [this] { ClearClick(); };
  h.speedButtonLYClick = [this] {
    Run([](PracticeController& c) { c.SpeedButtonKXClick(Button::Pinyin); });
  };
  h.speedButtonKXClick = [this] {
    Run([](PracticeController& c) { c.SpeedButtonKXClick(Button::Keypad); });
  };
  h.speedButton1Click = [this] { close(); };
  h.n1Click = [this] { N1Click(); };
  h.n2Click = [this] { N2Click(); };
  h.n3Click = [this] { N3Click(); };
  h.n4Click = [this] { N4Click(); };
  h.n5Click = [this] { N5Click(); };
  h.n6Click = [this] { N6Click(); };
  return h;
}

// Loads the settings and the dictionaries. A file that cannot be opened is reported, and the
// window still comes up.
void TForm_Main::FormCreate() {
  const LoadResult loaded = LoadDictionaries();
  dictionariesLoaded_ = loaded.ok;
  const std::string& text = loaded.ok ? loaded.warning : loaded.message;
  if (!text.empty()) startNotices_.push_back(text);
  StartSentenceMethod();
}

void TForm_Main::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!controller_) FormShow();
}

void TForm_Main::FormShow() {
  // The web engine takes a moment to start: the page is asked for once the window is up.
  QTimer::singleShot(0, this, [this] { LoadAdvertPage(true); });
  // The controller starts with the pinyin method (ComboBox1 item 0, MethodClass 0) and an
  // empty practice text.
  controller_ = std::make_unique<PracticeController>();
  lessonPractice_ = std::make_unique<lessons::LessonPractice>(*controller_, lessons::kHistoryFile);
  catalogue_ =
      std::make_unique<lessons::LessonCatalogue>(SuppliedFolder() + "/" + lessons::kLessonsFolder);
  BuildHelpTrees();
  PaintView();
  memo1_->setFocus();
  if (!pendingLesson_.empty()) StartLesson(std::exchange(pendingLesson_, {}));
  // What the start-up had to say comes over the window once it is on screen: a box raised
  // before could open under it where no window manager stacks them.
  if (!startNotices_.empty())
    QTimer::singleShot(0, this, [this] { ShowNotices(std::exchange(startNotices_, {})); });
}

void TForm_Main::FormDestroy() {
  // Closing the window ends a lesson as the end button does (stored when long enough).
  if (lessonPractice_) lessonPractice_->End();
  Dict.CloseAll();
}

void TForm_Main::LoadAdvertPage(bool advert) {
  webPanel_->LoadAdvertPage(advert);
}

// The help column is made when the window is first shown, TreeView1 showing its first topic.
void TForm_Main::BuildHelpTrees() {
  helpPanel_ = std::make_unique<HelpPanelWidgets>(this, [this] { memo1_->setFocus(); });
  helpPanel_->BuildHelpTrees();
}

void TForm_Main::N1Click() {
  if (!controller_) return;
  TForm_Set dialog(this);
  if (dialog.exec() == QDialog::Accepted) {
    std::string error;
    if (!controller_->AcceptSettings(static_cast<std::uint8_t>(dialog.SettingsFlags() & 0xFF),
                                     &error))
      notice_(this, QStringLiteral("提示框"),
              QStringLiteral("无法写入文件 ") + QString::fromLatin1(kSettingsFile) +
                  QStringLiteral(": ") + QString::fromStdString(error));
    if (dialog.SmartSentenceEnabled() &&
        !AcceptSentenceMethod(dialog.SmartSentence() ? SentenceMethod::kModel
                                                     : SentenceMethod::kRules))
      notice_(this, QStringLiteral("提示框"),
              QStringLiteral("无法写入文件 ") + QString::fromLatin1(kSentenceMethodFile));
  }
  PaintView();
}

void TForm_Main::N2Click() {
  if (helpPanel_) helpPanel_->ShowFirstTopic();
  memo1_->setFocus();
}

void TForm_Main::N4Click() {
  ShowAboutBox(this);
}

// The editor reads srf_pub.zc itself; the engines take up its lexicon when it closes.
void TForm_Main::N3Click() {
  if (!controller_) return;
  controller_->BeginWordMaking();
  {
    TForm_User_Main editor(this);
    editor.exec();
  }
  std::string error;
  if (!controller_->FinishWordMaking(&error))
    notice_(this, QStringLiteral("提示框"),
            QStringLiteral("无法打开文件 ") + QString::fromLatin1(kZcFile) + QStringLiteral(": ") +
                QString::fromStdString(error));
  PaintView();
}

void TForm_Main::Run(const std::function<void(PracticeController&)>& call) {
  if (!controller_) return;
  call(*controller_);
  lessonPractice_->Observe();  // a click may have written, too
  PaintView();
  // A learned word that could not be saved, say: the user must know at once.
  ShowNotices(controller_->TakeNotices());
  ShowNotices(lessonPractice_->TakeNotices());
  if (lessonPractice_->Running() && lessonPractice_->Run()->Stopped()) EndLesson();
}

void TForm_Main::ShowNotices(const std::vector<std::string>& notices) {
  for (const std::string& text : notices)
    notice_(this, QStringLiteral("提示框"), QString::fromStdString(text));
}

void TForm_Main::N5Click() {
  if (!controller_) return;
  lessonPractice_->OpenHistory();
  ShowNotices(lessonPractice_->TakeNotices());
  auto* chooser =
      new LessonChooser(this, catalogue_->Lessons(), lessonPractice_->History().Summaries());
  chooser->setAttribute(Qt::WA_DeleteOnClose);
  connect(chooser, &QDialog::accepted, this, [this, chooser] {
    const std::string choice = chooser->Choice();
    StartLesson(choice, chooser->Minutes());
  });
  chooser->open();
}

void TForm_Main::N6Click() {
  if (!controller_) return;
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("导出记录"), QDir::home().filePath(QStringLiteral("dazi-history.csv")),
      QStringLiteral("CSV (*.csv)"));
  if (!path.isEmpty()) ExportHistory(path);
  memo1_->setFocus();
}

bool TForm_Main::ExportHistory(const QString& path) {
  if (!lessonPractice_) return false;
  const bool open = lessonPractice_->OpenHistory();
  ShowNotices(lessonPractice_->TakeNotices());
  if (!open) return false;
  const std::string sessions = QFile::encodeName(path).toStdString();
  const std::string chars = lessons::CharStatsCsvPath(sessions);
  std::string error;
  if (!lessonPractice_->History().ExportCsv(sessions, chars, &error)) {
    notice_(this, QStringLiteral("提示框"),
            QStringLiteral("练习记录未能导出：") + QString::fromStdString(error));
    return false;
  }
  notice_(this, QStringLiteral("提示框"),
          QStringLiteral("练习记录已导出到 ") + path + QStringLiteral(" 和 ") +
              QFile::decodeName(chars.c_str()));
  return true;
}

bool TForm_Main::StartLesson(const std::string& argument, int minutes) {
  if (!controller_) return false;
  std::vector<std::string> notices;
  std::string error;
  std::optional<lessons::Lesson> lesson =
      catalogue_->Resolve(argument, lessonPractice_->History(), &notices, &error);
  ShowNotices(notices);
  if (!lesson) {
    notice_(this, QStringLiteral("提示框"), QString::fromStdString(error));
    return false;
  }
  if (minutes > 0) {  // a timed test runs over the whole text, in one piece
    segments_.reset();
    lessonPractice_->Start(std::move(*lesson), minutes);
    lessonView_->OfferNextSegment(false);
    lessonClock_->start();
    PaintView();
    memo1_->setFocus();
    return true;
  }
  segments_.emplace(std::move(*lesson));
  StartSegment();
  return true;
}

void TForm_Main::StartSegment() {
  if (!segments_) return;
  lessonPractice_->Start(segments_->Current());
  lessonView_->OfferNextSegment(segments_->HasNext());
  lessonClock_->start();
  PaintView();
  memo1_->setFocus();
}

void TForm_Main::RetryLesson() {
  StartSegment();
}

void TForm_Main::NextSegment() {
  if (segments_ && segments_->Advance()) StartSegment();
}

void TForm_Main::NextLesson() {
  if (!segments_ || !catalogue_) return;
  const std::string next = lessons::NextLessonId(catalogue_->Lessons(), segments_->Whole().id);
  if (!next.empty()) StartLesson(next);
}

// Clearing in a lesson would throw away what was typed of it: the user is asked first, and
// the lesson then starts over, as 重打 does.
void TForm_Main::ClearClick() {
  if (!lessonPractice_ || !lessonPractice_->Running()) {
    Run([](PracticeController& c) { c.SpeedButton2Click(); });
    return;
  }
  if (lessonPractice_->Run()->Figures().keys > 0 &&
      !confirm_(this, QStringLiteral("确认框"),
                QStringLiteral("清除内容会清掉本课已打的字，从头重打。确定吗？")))
    return;
  RetryLesson();
}

// Back to free practice; the results of a lesson begun come up beside the window, offering
// the same text again, the next segment and the next lesson.
void TForm_Main::EndLesson() {
  if (!lessonPractice_ || !lessonPractice_->Running()) return;
  lessonPractice_->End();
  lessonClock_->stop();
  PaintView();
  ShowNotices(lessonPractice_->TakeNotices());
  const lessons::LessonRun* run = lessonPractice_->LastRun();
  if (!run || run->Figures().position == 0) return;
  ResultActions actions;
  actions.again = [this] { RetryLesson(); };
  if (segments_ && segments_->HasNext()) actions.nextSegment = [this] { NextSegment(); };
  if (segments_ && !lessons::NextLessonId(catalogue_->Lessons(), segments_->Whole().id).empty())
    actions.nextLesson = [this] { NextLesson(); };
  auto* results = new LessonResults(
      this, *run, lessonPractice_->History().Sessions(run->Source().id), std::move(actions));
  if (lessonPractice_->LastTooShort()) results->NoteNotKept();
  results->open();
}

void TForm_Main::PaintView() {
  ViewState view = controller_->View();
  if (lessonPractice_ && lessonPractice_->Running()) {
    // In a lesson the card opens in the column right of the rows, above the figures strip.
    const QPoint card = LessonView::CardTopLeft();
    const int right = card.x() - view.panel2Position.left;
    const int down = card.y() - view.panel2Position.top;
    view.panel2Position.left += right;
    view.panel2Position.top += down;
    view.candidatePanelPosition.left += right;
    view.candidatePanelPosition.top += down;
  }
  candidateBar_->Paint(view);
  dictionaryPanel_->Paint(view, candidateBar_->VisibleCandidatePanel());
  if (lessonPractice_ && lessonPractice_->Running()) {
    // No room beside the card: the dictionary panel opens in the window's top-left corner,
    // over the tips and the help topics, clear of the lesson.
    if (auto* zd = findChild<QWidget*>(QStringLiteral("PanelZD")); zd && zd->isVisibleTo(this)) {
      zd->move(layout::kWindowMargin, layout::kWindowMargin);
      zd->raise();
    }
  }
  statusBar_->Paint(view.statusBar);
  if (helpPanel_) helpPanel_->Paint(view.help);
  PaintMemo1();
  if (lessonPractice_) lessonView_->ShowHintsUsed(lessonPractice_->Hint().Used());
  lessonView_->ShowRun(lessonPractice_ ? lessonPractice_->Run() : nullptr);
  if (lessonPractice_)
    codeHint_->ShowHint(lessonPractice_->Hint(), lessonPractice_->Run(),
                        MethodOf(SrfState.MethodClass) == InputMethod::Keypad);
}

// Memo1 shows the lines of the view state with the caret where the next character goes;
// that line is kept in sight, above the candidate card while the card is open.
void TForm_Main::PaintMemo1() {
  const ViewState& view = controller_->View();
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(view.memo1Lines.size()));
  for (const std::string& line : view.memo1Lines) lines.append(Caption(line));
  const auto next = static_cast<int>(controller_->NextWritePosition());
  const int coverTop = view.panel2Visible ? view.panel2Position.top - layout::kMemo1.top() : -1;
  memo1_->ShowText(lines, next / kMemoLineBytes, next % kMemoLineBytes, coverTop);
}

bool TForm_Main::eventFilter(QObject* watched, QEvent* event) {
  if (watched == memo1_ &&
      (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease))
    return Memo1Key(*static_cast<QKeyEvent*>(event), event->type() == QEvent::KeyPress);
  return QWidget::eventFilter(watched, event);
}

// Every key in the practice area goes to the controller, none to the text box: the
// character on each press (auto-repeat included), the virtual-key code once on release.
// Ctrl reaches the controller only as a tap, pressed and released with no key between; the
// menu key opens the toolbar menu.
bool TForm_Main::Memo1Key(const QKeyEvent& key, bool press) {
  const bool ctrl = key.key() == Qt::Key_Control;
  // F2 in a lesson asks for the code hint; it is no typing key.
  if (key.key() == Qt::Key_F2 && lessonPractice_ && lessonPractice_->Running()) {
    if (press && lessonPractice_->Hint().Ask(*lessonPractice_->Run())) PaintView();
    return true;
  }
  if (press) {
    if (!key.isAutoRepeat()) {
      ctrlAlone_ = ctrl;
      // By virtual-key code: Shift let go first turns the release of "!" into that of "1".
      keysDown_.insert(VirtualKeyCode(key.key(), key.modifiers()));
    }
    if (key.key() == Qt::Key_Menu) {
      statusBar_->OpenPopupMenu();
      return true;
    }
    if (key.key() == Qt::Key_F3 && lessonPractice_ && lessonPractice_->Running()) {
      if (!key.isAutoRepeat()) RetryLesson();
      return true;
    }
    const int character = KeyCharacter(key.key(), key.text());
    // A lesson counts a key when it is pressed, as the console does, so the keys that write a
    // character are charged to it. Modifiers alone are no keys; a tap of Ctrl counts on release.
    const int code = VirtualKeyCode(key.key(), key.modifiers());
    const bool counted = code != 0 && !IsModifierKey(key.key()) &&
                         (!key.isAutoRepeat() || character != kNoKeyCharacter);
    if (counted || character != kNoKeyCharacter)
      Run([this, counted, code, character](PracticeController&) {
        if (counted) lessonPractice_->KeyDown(code);
        if (character != kNoKeyCharacter) lessonPractice_->KeyPress(static_cast<char>(character));
      });
    return true;
  }
  if (key.isAutoRepeat()) return true;
  const int code = VirtualKeyCode(key.key(), key.modifiers());
  // A release whose press went elsewhere (the Enter that closed a dialog) is no key here.
  if (!keysDown_.remove(code)) return true;
  // F3 started the lesson over; its release is no key of the new run.
  if (key.key() == Qt::Key_F3 && lessonPractice_ && lessonPractice_->Running()) return true;
  const bool tap = ctrl && ctrlAlone_;
  ctrlAlone_ = false;
  if (ctrl && !tap) return true;
  if (code == 0) return true;
  Run([this, code, tap](PracticeController&) {
    if (tap) lessonPractice_->KeyDown(code);
    lessonPractice_->KeyUp(code);
  });
  return true;
}

void TForm_Main::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (background_.isNull())
    painter.fillRect(rect(), palette().window());
  else
    painter.drawPixmap(rect(), background_);
}

void TForm_Main::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  event->accept();
  if (QWindow* window = windowHandle(); window && window->startSystemMove()) return;
  // Without a system move (e.g. offscreen), follow the pointer ourselves.
  dragging_ = true;
  dragOffset_ = event->globalPosition().toPoint() - pos();
}

void TForm_Main::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return QWidget::mouseMoveEvent(event);
  move(event->globalPosition().toPoint() - dragOffset_);
}

void TForm_Main::mouseReleaseEvent(QMouseEvent* event) {
  dragging_ = false;
  QWidget::mouseReleaseEvent(event);
}

// The pointer over the window's own surface enables the web panel, which then stays enabled.
void TForm_Main::enterEvent(QEnterEvent* event) {
  webPanel_->Panel4()->setEnabled(true);
  QWidget::enterEvent(event);
}

}  // namespace dazi
