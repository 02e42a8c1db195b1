#include "setup/ExtraStatsSetup.h"

#include <algorithm>
#include <cstdio>

#include "common/Text.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"
#include "common/Functs.h"
#include "processing/RangeChecks.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

constexpr const char* kFees = "FEES";

std::string Cleaned(const std::string& text, std::size_t length) {
  std::string t = Trim(text).substr(0, length);
  ReplaceChar(t, '"', '_');
  return t;
}

std::string StatTitle(const ExtraStatsSetup::Stat& s) { return s.abbrev + " (" + s.name + ")"; }

}  // namespace

ExtraStatsSetup::ExtraStatsSetup() {
  const int n = std::clamp<int>(lg.NumExtraStats, 0, kMaxExtraStats);
  for (int k = 0; k < n; ++k)
    stats_.push_back({TrimRight(lg.ExtraStatName[k]), TrimRight(lg.ExtraStatAbbrev[k])});
  fee_ = lg.FeeUnit;
}

bool ExtraStatsSetup::NoticeDue() { return lg.NumExtraStats > 0 && lg.CurrentWeek >= lg.StartWeek; }

std::string ExtraStatsSetup::NoticeText() {
  return "You have already setup extra statistics and entered weekly results. Changes made in "
         "the extra statistic descriptions will not change the data already entered and can "
         "create misleading results. Please consider this carefully if you make any changes.";
}

void ExtraStatsSetup::select(int k) {
  if (k >= 0 && k < count()) selected_ = k;
}

std::string ExtraStatsSetup::selectedAbbrev() const {
  return count() == 0 ? "TBD" : stats_[selected_].abbrev;
}

std::string ExtraStatsSetup::selectedName() const {
  return count() == 0 ? "Undefined" : stats_[selected_].name;
}

std::string ExtraStatsSetup::countLabel() const {
  return std::to_string(count()) + " of " + std::to_string(kMaxExtraStats) + " Defined";
}

bool ExtraStatsSetup::feeEnabled() const {
  return count() > 0 && Trim(stats_[selected_].abbrev) == kFees;
}

void ExtraStatsSetup::edit(Stat& stat) {
  auto name = userio().input("Enter a description of the statistic" + NewLine +
                                 "Maximum of 20 characters" + NewLine + NewLine +
                                 "Example Description = Strikes",
                             "EXTRA STAT DESCRIPTION", stat.name);
  if (name && !Trim(*name).empty()) stat.name = Cleaned(*name, kNameLength);
  auto abbrev = userio().input("Enter an abbreviation for " + stat.name + NewLine +
                                   "Maximum of 5 characters" + NewLine + NewLine +
                                   "Example Abbreviation = STRIK" + NewLine + NewLine +
                                   "Use FEES for weekly fees",
                               "EXTRA STAT ABBREVIATION", stat.abbrev);
  if (abbrev && !Trim(*abbrev).empty()) stat.abbrev = Upper(Cleaned(*abbrev, kAbbrevLength));
}

bool ExtraStatsSetup::add() {
  if (!canAdd()) return false;
  stats_.push_back({"New Extra Stat", "XSTAT"});
  selected_ = count() - 1;
  edit(stats_.back());
  return true;
}

bool ExtraStatsSetup::modify() {
  if (!canModify()) return false;
  edit(stats_[selected_]);
  return true;
}

// The statistics from k on that hold values in the score records of the weeks processed and of
// the week being entered.
std::vector<int> ExtraStatsSetup::statsWithValues(int k) const {
  const int perWeek = std::clamp<int>(lg.PlayersPerWeek, 0, kMaxRosterPositions);
  std::vector<bool> found(count(), false);
  for (int w = 1; w <= lg.CurrentWeek + 1 && w <= kMaxWeeks; ++w)
    for (int t = 1; t <= kMaxTeams; ++t) {
      if (!TeamInUse(t)) continue;
      for (int p = 1; p <= perWeek; ++p) {
        Integer player = 0;
        if (!ReadScore(w, t, p, player)) continue;
        for (int s = k; s < count() && s < kMaxExtraStats; ++s)
          if (lg.ScrExtraStat[s] != 0) found[s] = true;
      }
    }
  std::vector<int> list;
  for (int s = k; s < count(); ++s)
    if (found[s]) list.push_back(s);
  return list;
}

bool ExtraStatsSetup::remove() {
  if (!canDelete()) return false;
  const int k = selected_;
  const std::vector<int> held = statsWithValues(k);
  if (!held.empty()) {
    std::string names;
    for (int s : held) names += (names.empty() ? "" : ", ") + StatTitle(stats_[s]);
    std::string what = "Weeks already processed or entered hold values of " + names +
                       ". Those values stay where they are stored while the statistics after " +
                       StatTitle(stats_[k]) + " move up: ";
    if (k + 1 < count())
      what += "the values of " + StatTitle(stats_[k]) + " will be shown and counted as " +
              StatTitle(stats_[k + 1]) + ", each later statistic's values as the one after it, " +
              "and the last one's no longer.";
    else
      what += "they will no longer be shown or counted.";
    if (!AskWarning(what + NewLine + NewLine + "Delete it anyway?")) return false;
  }
  stats_.erase(stats_.begin() + k);
  selected_ = std::max(0, std::min(selected_, count() - 1));
  return true;
}

bool ExtraStatsSetup::set(int k, const std::string& name, const std::string& abbrev) {
  if (k < 0 || k > count() || k >= kMaxExtraStats) return false;
  if (k == count()) stats_.push_back({"New Extra Stat", "XSTAT"});
  if (!Trim(name).empty()) stats_[k].name = Cleaned(name, kNameLength);
  if (!Trim(abbrev).empty()) stats_[k].abbrev = Upper(Cleaned(abbrev, kAbbrevLength));
  selected_ = k;
  return true;
}

Single ExtraStatsSetup::enterFee(const std::string& text) {
  if (feeEnabled()) fee_ = CheckRangeDecimal(text, fee_, 0, kMaxFee, 0, false);
  return fee_;
}

void ExtraStatsSetup::setFee(Single fee) {
  if (feeEnabled()) fee_ = std::clamp(fee, Single{0}, kMaxFee);
}

void ExtraStatsSetup::store() const {
  lg.NumExtraStats = static_cast<Integer>(count());
  for (int k = 0; k < kMaxExtraStats; ++k) {
    const bool defined = k < count();
    lg.ExtraStatName[k] = Fixed(defined ? stats_[k].name : "", kNameLength);
    lg.ExtraStatAbbrev[k] = Fixed(defined ? stats_[k].abbrev : "", kAbbrevLength);
    lg.CategoryName[kFirstExtraStat + k] = lg.ExtraStatName[k];
  }
  lg.FeeUnit = fee_;
}

}  // namespace tallmark
