// The graph window: the option frames and selection lists, the "Scratch or Handicap Pins"
// question, and the run of the graphs to the screen (one graph at a time, paged by the user),
// the printer or image files.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "graphs/GraphPage.h"
#include "league/gui/PagerDialog.h"
#include "league/gui/SelectionPanel.h"

class QChartView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QRadioButton;

namespace tallmark::graphs {

// Opens the graph window for graph type 1..5 as the Graphs menu does (GraphNumber = type),
// modal; printer is the program's printer.
void RunGraphForm(QWidget* parent, int type, QPrinter& printer);

enum class GraphPager { None = 0, Close = 1, NextGraph = 2, PrintGraph = 3 };

class Graph_Form : public PagerDialog, public SelectionPanel {
  Q_OBJECT

 public:
  Graph_Form(QPrinter& printer, QWidget* parent = nullptr);
  ~Graph_Form() override;

  // Tests replace these: the file chooser (empty when cancelled), the pop-up menus (the chosen
  // entry's index) and the pager's wait (the user's command for the graph shown).
  std::function<QString()> chooseFileName;
  std::function<int(QMenu*)> askMenu;
  std::function<GraphPager()> waitForPager;

  // Controls, named as on the form (the lists, tip box and buttons are the selection panel's,
  // the menus the pager's).
  QLabel* OptionsLabel = nullptr;
  QLabel* SelectLabel = nullptr;
  std::array<QGroupBox*, 4> Frame1{};      // points, colour, bar style, line type
  std::array<QRadioButton*, 8> Option1{};  // two per frame, the default first
  QLineEdit* Text1 = nullptr;              // the "Max of " number
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

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildPanel();
  QGroupBox* makeFrame(int index, const QString& title, const QString& first, const QString& second,
                       const QString& tip);
  void fillLists();
  void setList(int index, const QString& label, const QStringList& items);
  void checkMaxOf();
  GraphPager waitAtGraph();
  bool showOnScreen(const GraphPage& page);
  void printOne(const GraphPage& page);

  QPrinter& printer_;
  GraphType type_;
  QWidget* panel_ = nullptr;
  QChartView* view_ = nullptr;
  std::array<std::vector<int>, 2> listValues_;
  bool firstActivationDone_ = false;
};

}  // namespace tallmark::graphs
