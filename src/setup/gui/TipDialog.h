// What the small set-up windows share: the tip label that shows each control's tool tip, the
// spin boxes wired to a range check of their editing class, and the league's single-byte texts.
#pragma once

#include <QDialog>

#include <functional>
#include <map>
#include <string>

#include "league/LeagueData.h"

class QLabel;
class QPushButton;

namespace tallmark {

class SpinTextBox;

class TipDialog : public QDialog {
  Q_OBJECT

 public:
  TipDialog(QWidget* parent, const char* objectName, const std::string& title);

  QLabel* tipLabel() const { return tip_; }

  static QString Show(const std::string& text);
  static std::string Typed(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void addTip(QWidget* control, const std::string& text);
  // A spin box whose value passes enter(text, step) on leaving it and on each spin step; the
  // box then shows what enter returned, and changed() runs.
  SpinTextBox* makeSpin(std::function<Integer(const std::string&, Integer)> enter,
                        std::function<void()> changed);
  QPushButton* makeButton(const QString& caption, const QString& name, const std::string& tip);
  // The box being typed into has its value checked before a button acts on it.
  void commitFocusedBox();

 private:
  QLabel* tip_;
  std::map<QObject*, QString> tips_;
};

// Each set-up window is loaded, centred and shown modally; returns when it closes.
int RunSplitSeasonForm(QWidget* parent);
int RunAwardsForm(QWidget* parent);
int RunCustomAwardsForm(QWidget* parent);
int RunClassificationForm(QWidget* parent);
int RunNamesForm(QWidget* parent);
int RunBulletinForm(QWidget* parent);
int RunExtraStatisticsForm(QWidget* parent);

}  // namespace tallmark
