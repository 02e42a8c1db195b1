// The statistics editor: the accumulated statistics of a team, a substitute or a bowler for one
// session, stored in memory as they are typed; Save writes the session's section, Cancel offers
// to load the league again. StatsEditor decides everything, the window shows and forwards.
#pragma once

#include <QDialog>

#include <array>

#include "setup/StatsEditor.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tallmark {

class StatsEditForm : public QDialog {
  Q_OBJECT

 public:
  enum List { kTeamList = 0, kPlayerList, kSessionList, kExtraList };
  enum Button { kSaveButton = 0, kCancelButton };
  // The boxes below the numbered ones (Text2 0..1).
  enum Extra { kClassBox = 0, kExtraBox };

  explicit StatsEditForm(QWidget* parent = nullptr);

  // For tests and the screenshots: the controls by their place on the window.
  QRadioButton* kindOption(int kind) const { return kinds_[kind]; }
  QRadioButton* groupOption(int option) const { return groups_[option]; }
  QComboBox* list(int list) const { return lists_[list]; }
  QLineEdit* columnBox(int column) const { return boxes_[column]; }
  QLineEdit* extraBox(int box) const { return extras_[box]; }
  QPushButton* button(int button) const { return buttons_[button]; }
  const StatsEditor& editor() const { return editor_; }

 public slots:
  // The close box and Escape act as Cancel.
  void reject() override;

 private:
  QWidget* buildChoice();
  QWidget* buildColumns();
  QWidget* buildOthers();
  QLayout* buildButtons();
  QComboBox* makeList(int list, const QString& caption, QLabel** label);
  QLineEdit* makeBox(const QString& name);

  void showLists();
  void showValues();
  void select(int list, int index);
  int boxColumn(const QLineEdit* box) const;
  void commitFocusedBox();
  void save();

  StatsEditor editor_;
  std::array<QRadioButton*, 3> kinds_{};
  QButtonGroup* kindGroup_ = nullptr;
  std::array<QRadioButton*, 2> groups_{};
  QButtonGroup* groupGroup_ = nullptr;
  std::array<QComboBox*, 4> lists_{};
  std::array<QLineEdit*, StatsEditor::kNumberedColumns> boxes_{};
  std::array<QLineEdit*, 2> extras_{};
  QLabel* extraLabel_ = nullptr;
  std::array<QPushButton*, 2> buttons_{};
  bool closing_ = false;
};

// Edit "Statistics" (after its question): the statistics editor, modally.
void RunStatsEditForm(QWidget* parent);

}  // namespace tallmark
