// The user guide, shown from the Help menu.
#pragma once

#include <QDialog>
#include <vector>

#include "shell/HelpSearch.h"

class QLineEdit;
class QTextBrowser;

namespace tallmark {

// Help contexts of the Help menu.
constexpr int kHelpContents = 10;
constexpr int kHelpSearch = 1440;

class HelpForm : public QDialog {
  Q_OBJECT
 public:
  explicit HelpForm(int context, QWidget* parent = nullptr);
  QTextBrowser* browser() const { return browser_; }
  QLineEdit* searchBox() const { return search_; }
  // Lists the sections of the guide that hold the words of the search box.
  void search();

 private:
  void findNext();
  QTextBrowser* browser_;
  QLineEdit* search_;
};

// Where the guide is: the program's own copy.
QString HelpSource();
// Every page of the guide.
std::vector<HelpPage> HelpPages();

}  // namespace tallmark
