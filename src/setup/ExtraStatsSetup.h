// The extra statistics as their window edits them: up to ten, each a description and an
// abbreviation, and the dollar amount of one fee unit, counted by the statistic "FEES". Nothing
// reaches the league until store() (the window's save and exit).
#pragma once

#include <string>
#include <vector>

#include "league/LeagueData.h"

namespace tallmark {

class ExtraStatsSetup {
 public:
  struct Stat {
    std::string name;    // up to 20 characters
    std::string abbrev;  // up to 5, upper case
  };
  static constexpr int kNameLength = 20;
  static constexpr int kAbbrevLength = 5;
  static constexpr Single kMaxFee = 9999.99f;

  ExtraStatsSetup();

  // The notice shown on opening when statistics are defined and weekly results entered.
  static bool NoticeDue();
  static std::string NoticeText();

  const std::vector<Stat>& stats() const { return stats_; }
  int count() const { return static_cast<int>(stats_.size()); }
  int selected() const { return selected_; }
  void select(int k);
  // "TBD" when none is defined.
  std::string selectedAbbrev() const;
  // "Undefined" when none is defined.
  std::string selectedName() const;
  std::string countLabel() const;

  bool canAdd() const { return count() < kMaxExtraStats; }
  bool canModify() const { return count() > 0; }
  bool canDelete() const { return count() > 0; }
  // The fee box is live only while the selected statistic is "FEES".
  bool feeEnabled() const;
  Single fee() const { return fee_; }

  // Add appends "New Extra Stat" ("XSTAT") and edits it; Modify edits the selected one. Editing
  // asks for the description and the abbreviation; a cancelled or empty answer keeps the old one.
  bool add();
  bool modify();
  // Deletes the selected statistic and closes up the list. When the weeks processed or entered
  // hold values of it or of a statistic after it (whose values would be shown under another
  // name), the user is warned first, naming them; false when nothing was deleted.
  bool remove();
  // Sets an entry directly (the command line); the texts are cut, upper-cased and cleaned as the
  // input boxes' answers are. k may be count() to append.
  bool set(int k, const std::string& name, const std::string& abbrev);
  // The common decimal check of the fee box; ignored unless the fee box is live.
  Single enterFee(const std::string& text);
  // An amount given exactly (the command line), within 0 and kMaxFee; ignored unless live.
  void setFee(Single fee);

  void store() const;

 private:
  void edit(Stat& stat);
  std::vector<int> statsWithValues(int k) const;

  std::vector<Stat> stats_;
  int selected_ = 0;
  Single fee_ = 0;
};

}  // namespace tallmark
