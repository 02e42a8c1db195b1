// What the teams and substitutes window does, without the window: its two lists, substitute
// mode, swap mode, the player's detail fields and its eight buttons. The window shows what this
// class offers and forwards the user's choices to it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "league/LeagueData.h"

namespace tallmark {

class TeamSetup {
 public:
  // Buttons (Command1 0..7).
  enum Button {
    kExitSave = 0, kCancel = 1, kRenameTeam = 2, kAddTeam = 3, kDropTeam = 4,
    kRenamePlayer = 5, kSwapOrAdd = 6, kDropPlayer = 7
  };

  struct Fields {
    std::string phone;
    Integer startingAverage = 0;
    Integer recalcGames = 0;
    Integer category = 1;  // 1 the first option (GroupLabel(1)), 0 the second
    bool avgAfterWeek1 = false;
    bool avgAfterWeek1Offered = false;
  };

  struct CloseResult {
    bool scheduleRebuilt = false;  // the number of teams changed: show the schedule window
  };

  // Called before the league is saved on exit instead of the usual backup offer (OfferBackup).
  std::function<void()> offerBackup;

  // Remembers NumTeams, shows the first team and the notice that changes act at once.
  void open();

  std::string caption() const;
  std::string substituteCaption() const;
  std::string optionCaption(int option) const;
  std::vector<std::string> summaryLabels() const;

  // Lists.
  std::vector<std::string> teamList() const;
  std::vector<std::string> playerList() const;
  int teamIndex() const { return teamIndex_; }
  int playerIndex() const { return playerIndex_; }
  void selectTeam(int listIndex);
  void selectPlayer(int listIndex);
  bool substituteMode() const { return subMode_; }
  void setSubstituteMode(bool on);
  bool swapMode() const { return swapMode_; }

  // The selection: team number (0 in substitute mode), position or substitute number, record
  // (-1 when nothing is selected).
  int selectedTeam() const;
  int selectedPosition() const { return playerIndex_ + 1; }
  int selectedRecord() const;

  // The selected player's details, and their edits (step 0 on leaving a box, +1 or -1 from
  // its spin button).
  Fields fields() const;
  void commitPhone(const std::string& text);
  void commitStartingAverage(const std::string& text, Integer step = 0);
  void commitRecalcGames(const std::string& text, Integer step = 0);
  void chooseCategory(int option);
  void setAvgAfterWeek1(bool on);

  // Buttons.
  bool buttonShown(int button) const;
  bool buttonEnabled(int button) const;
  std::string buttonCaption(int button) const;
  std::string toolTip(int button) const;
  // The label of swap mode; empty outside it.
  std::string swapLabel() const;

  CloseResult exitAndSave();
  CloseResult cancelChanges();
  void renameTeam();
  void addTeam();
  void dropTeam();
  void renamePlayer();
  void swapOrAdd();
  // Leaves swap mode without swapping (Escape between the two presses of "&Swap").
  void cancelSwap() { swapMode_ = false; }
  void dropPlayer();

 private:
  std::vector<int> teamNumbers() const;
  void refresh();
  CloseResult checkSchedule();
  void swapSecondStep();

  // A league file as it was at opening; Cancel puts it back before re-loading.
  struct SavedFile {
    std::string path;
    bool read = false;     // its contents are known (it was read, or it was missing)
    bool existed = false;
    std::string data;
  };
  void saveFiles();
  void restoreFiles();

  std::vector<SavedFile> savedFiles_;
  int teamsAtOpening_ = 0;
  int teamIndex_ = 0;
  int playerIndex_ = 0;
  bool subMode_ = false;
  bool swapMode_ = false;
  int swapTeam_ = 0;
  int swapPosition_ = 0;
  int swapRecord_ = 0;
};

}  // namespace tallmark
