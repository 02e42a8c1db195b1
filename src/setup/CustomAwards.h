// The customized special awards as their window edits them: 20 rows, each a game or series award
// bounded by the player's average and by the score, or "None". store() (the window's OK) drops
// the rows set to "None" and closes up the others in order.
#pragma once

#include <array>
#include <string>

#include "league/LeagueData.h"

namespace tallmark {

class CustomAwards {
 public:
  static constexpr int kRows = kMaxCustomAwards;
  enum Kind : int { kGame = 0, kSeries = 1, kNone = 2 };
  enum Field : int { kMaxAverage = 1, kMinScore = 2, kMaxScore = 3 };

  struct Row {
    int kind = kNone;
    Integer maxAverage = 0;
    Integer minScore = 0;
    Integer maxScore = 0;
  };

  CustomAwards();

  // Rows 1..20.
  const Row& row(int r) const { return rows_[r]; }
  Integer field(int r, int f) const;
  Integer minimum(int r, int f) const;
  Integer maximum(int r, int f) const;

  // Choosing "Game", the series or "None"; a row that comes into use awards any average and
  // the highest score, until its boxes say otherwise.
  void setKind(int r, int kind);
  // The common range check of a box (step 0 on leaving it, +1 or -1 from its spin button). A
  // minimum score raised past the maximum raises the maximum with it.
  Integer enter(int r, int f, const std::string& text, Integer step);

  // The list's items and the boxes' tool tips and headings, in the sport's words.
  static std::string KindItem(int kind);
  static std::string Tip(int f, Integer minimum, Integer maximum);
  static std::string Heading(int f);

  void store() const;

 private:
  Integer scoreLimit(int r) const;

  std::array<Row, kRows + 1> rows_{};
};

}  // namespace tallmark
