// What the statistics editor does, without the window: it shows the accumulated statistics of a
// team, a substitute or a bowler for one session and stores every edit in PlayerStat at once,
// exactly as entered. Choosing another session writes the section shown and reads the other
// one. The window shows what this class offers and forwards the user's choices to it.
#pragma once

#include <string>
#include <vector>

#include "league/LeagueData.h"

namespace tallmark {

class StatsEditor {
 public:
  // What is edited (Option2 0..2).
  enum Kind { kTeamRecord = 0, kSubRecord = 1, kBowlerRecord = 2 };
  // Columns shown in the numbered boxes (Text1 0..15).
  static constexpr int kNumberedColumns = 16;

  // The opening notice; the bowlers of the first team, the session in progress.
  void open();

  static std::string kindCaption(int kind);
  // Option1 0 and 1: the second group's name (stores 1) and the first group's (stores 0).
  static std::string groupCaption(int option);
  // The name of a column (CategoryName).
  static std::string columnLabel(int column);
  // The largest value a column's box takes: more than processing can leave in it.
  static Single columnMaximum(int column);

  // Lists.
  std::vector<std::string> teamList() const;
  // The chosen team's bowlers, or the substitutes; nothing for a team record.
  std::vector<std::string> playerList() const;
  std::vector<std::string> sessionList() const;
  // Empty when the league keeps no extra statistics (the list and its box are then hidden).
  std::vector<std::string> extraList() const;

  int kind() const { return kind_; }
  int teamIndex() const { return teamIndex_; }
  int playerIndex() const { return playerIndex_; }
  int sessionIndex() const { return session_ - 1; }
  int extraIndex() const { return extra_; }
  void chooseKind(int kind);
  void selectTeam(int listIndex);
  void selectPlayer(int listIndex);
  // Writes the section shown, then reads the chosen one.
  void selectSession(int listIndex);
  void selectExtra(int listIndex);

  bool teamListEnabled() const { return kind_ != kSubRecord; }
  bool playerListEnabled() const { return kind_ != kTeamRecord; }
  // The record shown, -1 when none.
  int record() const;
  // The column of the extra statistic chosen.
  int extraColumn() const { return kFirstExtraStat + extra_; }

  // Column values (0..15, 17 and the extra statistics' columns) and their edits (step 0 on
  // leaving a box).
  std::string columnText(int column) const;
  void commitColumn(int column, const std::string& text, Integer step = 0);

  // The group of a bowler or substitute; a team record keeps its standing in that column.
  bool groupShown() const;
  // Option1 of the record's group: 0 for group 1, 1 for group 0, -1 for any other value.
  int groupOption() const;
  void chooseGroup(int option);

  // Command1(0): writes the session's section; the session in progress is in memory again.
  void save();
  // Command1(1): "CANCEL CHANGES?"; Yes loads the whole league again. Returns true on Yes.
  bool cancel();

 private:
  std::vector<int> teamNumbers() const;
  void restoreCurrentSession();

  int kind_ = kBowlerRecord;
  int teamIndex_ = 0;
  int playerIndex_ = 0;
  int session_ = 1;
  int extra_ = 0;
};

}  // namespace tallmark
