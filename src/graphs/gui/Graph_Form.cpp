#include "graphs/gui/Graph_Form.h"

#include <QAction>
#include <QChartView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "common/Text.h"
#include "graphs/GraphRules.h"
#include "league/gui/FormHelpers.h"
#include "league/LeagueData.h"
#include "processing/Rankings.h"

namespace tallmark::graphs {

namespace {

QString Q(const std::string& cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

}  // namespace

void RunGraphForm(QWidget* parent, int type, QPrinter& printer) {
  lg.GraphNumber = static_cast<Integer>(type);
  Graph_Form form(printer, parent);
  form.exec();
}

Graph_Form::Graph_Form(QPrinter& printer, QWidget* parent)
    : PagerDialog("&Next Graph", "&Print This Graph", parent), printer_(printer),
      type_(static_cast<GraphType>(std::clamp<int>(lg.GraphNumber, 1, 5))) {
  setWindowTitle("Tallmark -- Graph");
  FitToScreen(this, QSize(960, 680));
  QVBoxLayout* layout = body();
  buildPanel();
  layout->addWidget(panel_, 1);
  view_ = new QChartView(this);
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setVisible(false);
  layout->addWidget(view_, 1);

  ScratchOrHandicap = makeQuestion("Scratch or Handicap Pins",
                                   {"&1. Scratch Scores", "&2. Scores with Handicap"});
  askMenu = [this](QMenu* menu) { return askQuestion(menu); };
  waitForPager = [this] { return waitAtGraph(); };
}

Graph_Form::~Graph_Form() = default;

QGroupBox* Graph_Form::makeFrame(int index, const QString& title, const QString& first,
                                 const QString& second, const QString& tip) {
  auto* frame = new QGroupBox(title, panel_);
  auto* row = new QHBoxLayout(frame);
  Option1[2 * index] = new QRadioButton(first, frame);
  Option1[2 * index + 1] = new QRadioButton(second, frame);
  Option1[2 * index]->setChecked(true);
  row->addWidget(Option1[2 * index]);
  row->addWidget(Option1[2 * index + 1]);
  frame->setProperty("tip", tip);
  Frame1[index] = frame;
  return frame;
}

void Graph_Form::buildPanel() {
  panel_ = new QWidget(this);
  auto* layout = new QVBoxLayout(panel_);
  OptionsLabel = new QLabel("OPTIONS", panel_);
  layout->addWidget(OptionsLabel);
  auto* frames = new QHBoxLayout;
  QGroupBox* points = makeFrame(0, "P&oints to Graph", "All", "Max of ", "How many points to graph?");
  Text1 = new QLineEdit(points);
  Text1->setMaximumWidth(60);
  Text1->setValidator(new QIntValidator(0, 99999, Text1));
  points->layout()->addWidget(Text1);
  frames->addWidget(points);
  frames->addWidget(makeFrame(1, "Graph Colo&r", "Black+White", "Color", "Color or Black & White graphs?"));
  frames->addWidget(makeFrame(2, "Bar Graph &Style", "2D", "3D", "2 or 3 dimensional bar charts?"));
  frames->addWidget(makeFrame(3, "&Line Graph Type", "Average", "High-Low", "Avg line or hi-lo graphs?"));
  layout->addLayout(frames);
  connect(Option1[1], &QRadioButton::toggled, this, [this](bool on) {
    if (on) Text1->setText("2");
  });
  connect(Text1, &QLineEdit::editingFinished, this, [this] { checkMaxOf(); });

  SelectLabel = new QLabel("MAKE YOUR SELECTIONS FOR THE GRAPHS", panel_);
  layout->addWidget(SelectLabel);
  SelectionPanel::buildPanel(panel_, layout, {"PRINT &GRAPHS", "Click here to create the graph",
                                              "&ABORT GRAPHS", "Click here to abort the graph", 1, false});
  panelTips->listTip = [this](int i) {
    return "Shift or Control Click to select one or more " +
           ListLabel[i]->text().remove('&').toLower() + ".";
  };
  for (QGroupBox* frame : Frame1) panelTips->watch(frame);
  connect(Command1[0], &QPushButton::clicked, this, [this] { RunGraphs(); });
  connect(Command1[1], &QPushButton::clicked, this, [this] { QDialog::reject(); });
}

void Graph_Form::checkMaxOf() {
  if (!Option1[1]->isChecked()) return;
  const MaxOfChoice m = AcceptMaxOf(Text1->text().toStdString(), PointsLimit(type_, Option1[7]->isChecked()));
  Text1->setText(QString::number(m.points));
  if (m.all) Option1[0]->setChecked(true);
}

GraphOptions Graph_Form::options() {
  checkMaxOf();
  GraphOptions o;
  o.maxPoints = Option1[1]->isChecked() ? Text1->text().toInt() : 0;
  o.color = Option1[3]->isChecked();
  o.threeD = Option1[5]->isChecked();
  o.highLow = Option1[7]->isChecked();
  o.handicap = handicapPins;
  return o;
}

void Graph_Form::setList(int index, const QString& label, const QStringList& items) {
  ListLabel[index]->setText(label);
  List1[index]->setAccessibleName(PlainCaption(label));
  List1[index]->addItems(items);
  ListLabel[index]->setVisible(true);
  List1[index]->setVisible(true);
}

void Graph_Form::fillLists() {
  QStringList weeks, sessions, awards, players, teams{"SELECT ONE OR MORE TEAMS"};
  std::vector<int> weekNo, sessionNo, awardNo, playerNo, teamNo{-1};
  for (int w = 1; w <= lg.CurrentWeek && w <= kMaxWeeks; ++w) weeks << QString::number(w), weekNo.push_back(w);
  for (int s = 1; s <= std::clamp<int>(lg.NumSessions, 1, kMaxSessions); ++s)
    sessions << QString::number(s), sessionNo.push_back(s);
  for (int category : OfferedCategories()) {
    awards << Q(lg.CategoryName[category]);
    awardNo.push_back(category);
  }
  auto addPlayer = [&](int p) {
    if (p < 0 || p > kMaxPlayerRecords || IsFreeName(lg.PlayerName[p]) || IsVacancyName(lg.PlayerName[p])) return;
    players << Q(Fixed(lg.PlayerName[p], 20));
    playerNo.push_back(p);
  };
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t) {
    if (!TeamInUse(t)) continue;
    teams << Q(Fixed(lg.PlayerName[lg.Roster[t][0]], 20));
    teamNo.push_back(t);
    for (int p = 1; p <= lg.PlayersPerTeam && p <= kMaxRosterPositions; ++p) addPlayer(lg.Roster[t][p]);
  }
  for (int k = 1; k <= lg.NumSubs && k <= 100; ++k) addPlayer(lg.SubList[k]);

  for (int i = 0; i < 2; ++i) {
    listValues_[i].clear();
    ListLabel[i]->clear();
    List1[i]->clear();
    ListLabel[i]->setVisible(false);
    List1[i]->setVisible(false);
  }
  switch (type_) {
    case GraphType::Rankings:
      setList(0, "AWAR&DS", awards), listValues_[0] = awardNo;
      setList(1, "S&ESSIONS", sessions), listValues_[1] = sessionNo;
      break;
    case GraphType::WeeklyPlayers:
      setList(0, "&WEEKS", weeks), listValues_[0] = weekNo;
      break;
    case GraphType::PlayersToDate:
      setList(0, "&" + Q(Upper(lg.SportTerm[5])), players), listValues_[0] = playerNo;
      break;
    case GraphType::WeeklyTeams:
      setList(0, "&TEAMS", teams), listValues_[0] = teamNo;
      setList(1, "&WEEKS", weeks), listValues_[1] = weekNo;
      break;
    case GraphType::TeamsToDate:
      setList(0, "&TEAMS", teams), listValues_[0] = teamNo;
      break;
  }
}

GraphSelection Graph_Form::selection() const {
  GraphSelection s;
  for (int i = 0; i < 2; ++i) {
    std::vector<int> chosen;
    for (int row = 0; row < List1[i]->count(); ++row)
      if (List1[i]->item(row)->isSelected() && listValues_[i][row] >= 0) chosen.push_back(listValues_[i][row]);
    const QString label = ListLabel[i]->text();
    if (label.isEmpty()) continue;  // the list is not in use
    if (label == "AWAR&DS") s.categories = chosen;
    else if (label == "S&ESSIONS") s.sessions = chosen;
    else if (label == "&WEEKS") s.weeks = chosen;
    else if (label == "&TEAMS") s.teams = chosen;
    else if (type_ == GraphType::PlayersToDate) s.players = chosen;
  }
  return s;
}

void Graph_Form::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!firstActivationDone_) {
    firstActivationDone_ = true;
    QTimer::singleShot(0, this, [this] { activate(); });
  }
}

void Graph_Form::activate() {
  fillLists();
  if (type_ != GraphType::Rankings && lg.HandicapMethod != 1)
    handicapPins = askMenu(ScratchOrHandicap) == 1;
  List1[0]->setFocus();  // the keyboard starts in the window, its buttons' shortcuts with it
}

}  // namespace tallmark::graphs
