// The lesson chooser "课程练习": the lessons by group, each with its best speed and last
// accuracy from the history, and a button to open a text file of one's own.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QTreeWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/lessons/Lesson.h"
#include "ui/lessons/LessonHistory.h"

namespace dazi {

class LessonChooser : public QDialog {
 public:
  // Asks for a .txt file to open; returns its path, empty when none is chosen. Tests answer
  // it themselves.
  using AskFile = std::function<QString(QWidget* parent)>;
  static QString AskTextFile(QWidget* parent);

  LessonChooser(QWidget* parent, const std::vector<lessons::Lesson>& lessons,
                const std::map<std::string, lessons::LessonSummary>& summaries,
                AskFile askFile = AskTextFile);

  // After acceptance: the chosen lesson id, or the path of the text file chosen.
  const std::string& Choice() const { return choice_; }
  QTreeWidget* Tree() const { return tree_; }
  // The timed test chosen under the list: its minutes, 0 for a lesson without a time limit.
  int Minutes() const;
  QComboBox* TimeLimit() const { return timeLimit_; }

 private:
  void AcceptCurrent();

  QTreeWidget* tree_ = nullptr;
  QComboBox* timeLimit_ = nullptr;
  std::string choice_;
};

}  // namespace dazi
