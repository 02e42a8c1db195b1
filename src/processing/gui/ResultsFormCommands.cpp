// The commands of the results window: teams, weeks, the forfeit box, leaving with or without
// processing, printing the forms, and the tool tips.
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>

#include "league/Backup.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "processing/gui/PrintGrid.h"
#include "processing/gui/ResultsForm.h"
#include "league/gui/ReportPrinter.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

QString Show(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

// The busy pointer of a long operation.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

// ---- teams and weeks ----

void ResultsForm::chooseTeam(int index) {
  commitText();
  entry_.selectTeam(Combo1->itemData(index).toInt());
  refresh();
}

void ResultsForm::opponentClicked() {
  commitText();
  int opponent = entry_.opponentOf(entry_.currentTeam());
  if (opponent != 0) entry_.selectTeam(opponent);
  refresh();
}

void ResultsForm::chooseWeek(int index) {
  commitText();
  entry_.showWeek(Combo3->itemData(index).toInt());
  refresh();
}

void ResultsForm::forfeitClicked(bool on) {
  commitText();
  entry_.setForfeit(on);
  refresh();
}

// ---- leaving ----

void ResultsForm::processClicked() {
  if (left_) return;
  commitText();
  left_ = true;
  std::unique_ptr<BusyCursor> busy;
  ProcessHooks hooks;
  hooks.offerBackup = [] { OfferBackup(); };
  hooks.progress = [this, &busy](int percent) {
    if (!busy) {
      for (QPushButton* button : Command1) button->setEnabled(false);
      ProgressLabel->show();
      busy = std::make_unique<BusyCursor>();
    }
    ProgressLabel->setText(QStringLiteral("%1%").arg(percent));
    ProgressLabel->repaint();
  };
  processed_ = entry_.leaveAndProcess(hooks) == EntryLeave::Processed;
  ProgressLabel->hide();
  done(processed_ ? 1 : 0);
}

void ResultsForm::cancelClicked() {
  if (left_) return;
  commitText();
  left_ = true;
  entry_.leaveWithoutProcessing();
  done(0);
}

void ResultsForm::reject() {
  if (left_ || opened_ != EntryOpen::Ready) {
    QDialog::reject();
    return;
  }
  cancelClicked();
}

// ---- printing ----

QPrinter* ResultsForm::askPrinter() {
  if (choosePrinter) return choosePrinter();
  QPrinter& printer = ReportPrinter();
  QPrintDialog dialog(&printer, this);
  return dialog.exec() == QDialog::Accepted ? &printer : nullptr;
}

void ResultsForm::printClicked() {
  commitText();
  std::optional<PrintRequest> request = entry_.askPrintForms();
  if (!request) return;
  QPrinter* printer = askPrinter();
  if (!printer) return;
  printForms(*request, *printer);
}

void ResultsForm::printForms(const PrintRequest& request, QPrinter& printer) {
  BusyCursor busy;
  QPainter painter;
  if (!painter.begin(&printer)) {
    ReportError(57);  // the printer could not be opened
    return;
  }
  bool first = true;
  for (Integer team : request.teams) {
    if (!first) printer.newPage();
    first = false;
    printForm(entry_.printedForm(team, request.extraRows), painter, printer);
  }
  painter.end();
}

// One form: the heading lines, the grid and the lines below it, half an inch from the edges.
void ResultsForm::printForm(const EntryForm& form, QPainter& painter, QPrinter& printer) {
  // The form's columns are measured in the printing face, so that the texts fit when scaled.
  QTableWidget grid;
  QFont face(QStringLiteral("Courier New"), 10);
  face.setStyleHint(QFont::TypeWriter);
  grid.setFont(face);
  grid.setColumnCount(static_cast<int>(form.headers.size()));
  grid.setRowCount(static_cast<int>(form.cells.size()));
  grid.verticalHeader()->hide();
  const int digit = grid.fontMetrics().horizontalAdvance(QLatin1Char('0'));
  QStringList headers;
  for (std::size_t c = 0; c < form.headers.size(); ++c) {
    headers << Show(form.headers[c]);
    grid.setColumnWidth(static_cast<int>(c), form.widths[c] * digit + 10);
  }
  grid.setHorizontalHeaderLabels(headers);
  for (std::size_t r = 0; r < form.cells.size(); ++r)
    for (std::size_t c = 0; c < form.cells[r].size(); ++c)
      grid.setItem(static_cast<int>(r), static_cast<int>(c),
                   new QTableWidgetItem(Show(form.cells[r][c])));

  const double dpi = printer.resolution();
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(12);
  painter.setFont(font);
  const double line = painter.fontMetrics().height() * 1.4;
  double y = 0.5 * dpi;
  for (const std::string& text : form.heading) {
    painter.drawText(QPointF(0.5 * dpi, y + painter.fontMetrics().ascent()), Show(text));
    y += line;
  }
  y = PrintGrid(painter, printer, grid, 0.5, y / dpi + 0.1) * dpi + line;
  painter.setFont(font);
  for (const std::string& text : form.footing) {
    painter.drawText(QPointF(0.5 * dpi, y + painter.fontMetrics().ascent()), Show(text));
    y += line * 1.5;
  }
}

// ---- tool tips ----

void ResultsForm::addTip(QWidget* control, EntryTip tip) {
  tips_[control] = tip;
  control->installEventFilter(this);
}

// The tip under the area (window coordinates), when tool tips are on.
void ResultsForm::showTip(const QString& text, const QRect& area) {
  if (lg.ToolTips != True || text.isEmpty()) return;
  TipLabel->setText(text);
  const int margins = 2 * (TipLabel->margin() + 4);
  TipLabel->setFixedWidth(std::min(TipLabel->fontMetrics().horizontalAdvance(text) + margins, 480));
  TipLabel->setFixedHeight(TipLabel->heightForWidth(TipLabel->width()));
  QPoint at(area.left(), area.bottom() + 1);
  if (at.x() + TipLabel->width() > width()) at.setX(std::max(0, width() - TipLabel->width()));
  if (at.y() + TipLabel->height() > height())
    at.setY(std::max(0, area.top() - TipLabel->height()));
  TipLabel->move(at);
  TipLabel->show();
  TipLabel->raise();
}

// Over the grid the tip follows the column under the mouse.
void ResultsForm::gridTip(const QPoint& at) {
  const int row = Grid1->rowAt(at.y());
  const int col = Grid1->columnAt(at.x());
  if (row < 0 || col < 0) {
    TipLabel->hide();
    return;
  }
  std::string text;
  const int slot = slotOf(row);
  switch (entry_.column(col).kind) {
    case EntryColumnKind::PlayerType: text = EntryTipText(EntryTip::PlayerType); break;
    case EntryColumnKind::PlayerName: text = EntryTipText(EntryTip::PlayerName); break;
    case EntryColumnKind::Game:
    case EntryColumnKind::Extra: text = EntryTipText(EntryTip::Scores); break;
    case EntryColumnKind::Incomplete: text = EntryTipText(EntryTip::Incomplete); break;
    case EntryColumnKind::Average:
      if (slot <= entry_.rowCount()) {
        int p = entry_.row(slot).player;
        if (p >= 0 && p <= kMaxPlayerRecords && lg.AvgAfterWeek1[p] != 0 &&
            lg.PlayerStat[p][kGamesPlayed] == 0)
          text = EntryTipText(EntryTip::AverageAfterWeek1);
      }
      break;
    default: break;
  }
  if (text.empty()) {
    TipLabel->hide();
    return;
  }
  QRect cell = Grid1->visualItemRect(Grid1->item(row, col));
  showTip(Show(text), QRect(Grid1->viewport()->mapTo(this, cell.topLeft()), cell.size()));
}

// ---- opening ----

int RunResultsForm(QWidget* parent, ResultsMode mode) {
  ResultsForm form(parent, mode);
  if (form.opened() == EntryOpen::SeasonOver) MsgBox(kSeasonDoneText);
  if (form.opened() != EntryOpen::Ready) return -1;
  form.exec();
  return form.processed() ? 1 : 0;
}

}  // namespace tallmark
