// The results of a lesson: its figures, the speed along the lesson, the characters missed
// most with their pinyin and KX code, and the speed and accuracy of the past sessions of the
// lesson (Qt Charts).
#pragma once

#include <QDialog>
#include <QTableWidget>
#include <QtCharts/QChartView>
#include <functional>
#include <vector>

#include "ui/lessons/LessonHistory.h"
#include "ui/lessons/LessonRun.h"

namespace dazi {

inline constexpr std::size_t kMissedShown = 8;

// What comes after the results; a button is offered for each action given.
struct ResultActions {
  std::function<void()> again;        // 再练一次: the same lesson or segment
  std::function<void()> nextSegment;  // 下一段
  std::function<void()> nextLesson;   // 下一课
};

class LessonResults : public QDialog {
 public:
  // past: the stored sessions of the lesson, oldest first (this one included when stored).
  LessonResults(QWidget* parent, const lessons::LessonRun& run,
                const std::vector<lessons::SessionRow>& past, ResultActions actions = {});

  QChartView* SpeedChart() const { return speedChart_; }
  QChartView* ProgressChart() const { return progressChart_; }
  QTableWidget* Missed() const { return missed_; }
  // Says under the figures that the run was too short to be kept in the history.
  void NoteNotKept();

 private:
  QChartView* speedChart_ = nullptr;
  QChartView* progressChart_ = nullptr;
  QTableWidget* missed_ = nullptr;
};

// The KX stroke digits with the names of the strokes: "251" -> "251（竖折横）".
QString StrokeCaption(const std::string& digits);

}  // namespace dazi
