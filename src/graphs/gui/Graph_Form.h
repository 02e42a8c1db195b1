// The graph window: the option frames and selection lists, the "Scratch or Handicap Pins"
// question, and the run of the graphs to the screen (one graph at a time, paged by the user),
// the printer or image files.
#pragma once

#include <QDialog>
#include <QEventLoop>
#include <array>
#include <functional>
#include <string>

#include "graphs/GraphPage.h"

class QAction;
class QChartView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace tallmark::graphs {

// Opens the graph window for graph type 1..5 as the Graphs menu does (GraphNumber = type),
// modal; printer is the program's printer.
void RunGraphForm(QWidget* parent, int type, QPrinter& printer);

enum class GraphPager { None = 0, Close = 1, NextGraph = 2, PrintGraph = 3 };

class Graph_Form : public QDialog {
  Q_OBJECT

 public:
  Graph_Form(QPrinter& printer, QWidget* parent = nullptr);
  ~Graph_Form() override;

  // Tests replace these: the file chooser (empty when cancelled), the pop-up menus (the chosen
  // entry's index) and the pager's wait (the user's command for the graph shown).
  std::function<QString()> chooseFileName;
  std::function<int(QMenu*)> askMenu;
  std::function<GraphPager()> waitForPager;

  // Controls, named as on the form.
  QLabel* OptionsLabel = nullptr;
  QLabel* SelectLabel = nullptr;
  std::array<QGroupBox*, 4> Frame1{};      // points, colour, bar style, line type
  std::array<QRadioButton*, 8> Option1{};  // two per frame, the default first
  QLineEdit* Text1 = nullptr;              // the "Max of " number
  std::array<QListWidget*, 2> List1{};
  std::array<QLabel*, 2> ListLabel{};
  QLabel* TipBox = nullptr;
  std::array<QPushButton*, 2> Command1{};
  QAction* MenuClose = nullptr;
  QAction* MenuPage = nullptr;
  QAction* MenuPrint = nullptr;
  QMenu* ScratchOrHandicap = nullptr;
  QChartView* view() const { return view_; }

  GraphType type() const { return type_; }
  bool handicapPins = false;

  // Lists and the pins question, once, at the first activation.
  void activate();
  // "PRINT &GRAPHS": the graphs of the selections to the destination, then the window closes.
  void RunGraphs();
  // The options as the frames show them (a "Max of" number out of range selects "All").
  GraphOptions options();
  GraphSelection selection() const;
  // The image file of a file run; false when cancelled or refused.
  bool ChooseGraphFile(std::string& path);

  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void buildPanel();
  QGroupBox* makeFrame(int index, const QString& title, const QString& first, const QString& second,
                       const QString& tip);
  void fillLists();
  void setList(int index, const QString& label, const QStringList& items);
  void checkMaxOf();
  void setPagerMenus(bool enabled);
  void setCommand(GraphPager command);
  GraphPager waitAtGraph();
  bool showOnScreen(const GraphPage& page);
  void printOne(const GraphPage& page);

  QPrinter& printer_;
  GraphType type_;
  QMenuBar* menuBar_ = nullptr;
  QWidget* panel_ = nullptr;
  QChartView* view_ = nullptr;
  std::array<std::vector<int>, 2> listValues_;
  GraphPager command_ = GraphPager::None;
  QEventLoop* waiting_ = nullptr;
  bool firstActivationDone_ = false;
  bool running_ = false;
};

}  // namespace tallmark::graphs
