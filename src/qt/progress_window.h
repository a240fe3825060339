// Help > "My Progress": the user's counts as a chart, one pair of bars per
// method (games above, practice below), each bar cut by how the steps were
// taken, with the method to practise next and a button that starts it.
#pragma once

#include <QDialog>
#include <QWidget>

#include "ui/progress.h"

class QPainter;

namespace tessora::qt {

// The chart drawn into `area`.
void DrawProgressChart(QPainter& painter, const QRect& area, const ProgressReport& report);
// The counts said in words, for a screen reader.
QString ProgressSummary(const ProgressReport& report);

class ProgressChart : public QWidget {
 public:
  explicit ProgressChart(const ProgressReport& report, QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ProgressReport report_;
};

class ProgressWindow : public QDialog {
 public:
  explicit ProgressWindow(const ProgressReport& report, QWidget* parent = nullptr);
  // The method the user asked to practise (the suggested one), 0 for none.
  int Chosen() const { return chosen_; }

 private:
  int chosen_ = 0;
};

}  // namespace tessora::qt
