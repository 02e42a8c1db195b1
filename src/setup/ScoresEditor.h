// What the raw score editor does, without the window: it shows one stored score record, chosen
// by week, team and line-up position, and writes every change of it to the score file at once,
// exactly as entered (nothing is recomputed). The window shows what this class offers and
// forwards the user's choices to it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "league/LeagueData.h"

namespace tallmark {

// The fields of one score record as the editor holds them.
struct ScoreFields {
  Integer player = 0;
  Integer kind = 0;
  Integer noCreditMask = 0;
  Integer handicap = 0;
  Single pointsWon = 0;
  std::array<Integer, kMaxGames> games{};
  std::array<Integer, kMaxExtraStats + 1> extras{};

  bool operator==(const ScoreFields&) const = default;
};

class ScoresEditor {
 public:
  // Value boxes (Text1 0..3).
  enum Box { kScoreBox = 0, kExtraBox = 1, kHandicapBox = 2, kWinsBox = 3 };
  // Lists (Combo1 0..5).
  enum List { kWeekList = 0, kTeamList, kPositionList, kPlayerList, kGameList, kExtraList };
  static constexpr int kStatusOptions = 6;

  // The opening notice; week StartWeek, team 1, position 1, game 1, and that record read.
  void open();
  // The closing notice, when anything was written.
  void close();

  // Lists.
  std::vector<std::string> weekList() const;
  std::vector<std::string> teamList() const;
  std::vector<std::string> positionList() const;
  std::vector<std::string> playerList() const;
  std::vector<std::string> gameList() const;
  // Empty when the league keeps no extra statistics (the list and its box are then hidden).
  std::vector<std::string> extraList() const;

  // Captions built from the sport's words.
  static std::string statusCaption(int option);
  static std::string flagCaption();
  static std::string boxCaption(int box);
  static std::string listCaption(int list);
  static Integer boxMaximum(int box);

  // The selection, as indexes into the lists.
  int weekIndex() const { return week_ - lg.StartWeek; }
  int teamIndex() const { return team_ - 1; }
  int positionIndex() const { return position_ - 1; }
  int gameIndex() const { return game_; }
  int extraIndex() const { return extra_; }
  void selectWeek(int listIndex);
  void selectTeam(int listIndex);
  void selectPosition(int listIndex);
  void selectGame(int listIndex);
  void selectExtra(int listIndex);

  // False when there is no record to show (no week entered or no team).
  bool hasRecord() const;
  const ScoreFields& record() const { return record_; }
  // The player list's entry of the record's player.
  int playerIndex() const { return record_.player; }
  int status() const { return record_.kind; }
  // The flag of the selected game.
  bool flag() const;
  std::string boxText(int box) const;

  // Edits: each one that changes the record writes it, reads it back and shows it again.
  void choosePlayer(int listIndex);
  void chooseStatus(int option);
  void setFlag(bool on);
  void commitBox(int box, const std::string& text, Integer step = 0);

  // True once anything was written.
  bool changed() const { return changed_; }

 private:
  void read();
  void write(const ScoreFields& fields);
  Single boxValue(int box) const;

  int week_ = 1;
  int team_ = 1;
  int position_ = 1;
  int game_ = 0;
  int extra_ = 0;
  ScoreFields record_;
  bool changed_ = false;
};

}  // namespace tallmark
