// The program's help viewer: the guide built into the program, shown in a
// window of its own at a numbered topic (F1).
#pragma once

#include <QWidget>

class QTextBrowser;
class QPushButton;

namespace tessora::qt {

// Where the guide lives inside the program.
QUrl GuideUrl(int topic);

class HelpViewer : public QWidget {
 public:
  HelpViewer();
  // Shows the guide at a topic (0: its start); false when the guide is missing.
  bool ShowTopic(int topic);
  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
};

}  // namespace tessora::qt
