#include "setup/SportsSetup.h"

#include <algorithm>

#include "league/SportFile.h"
#include "common/Text.h"
#include "setup/NewLeague.h"
#include "processing/RangeChecks.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

constexpr std::array<Integer, 8> kMinimum = {1, 1, 0, 0, 1, 1, 1, 1};
constexpr std::array<Integer, 8> kMaximum = {10000, 12, 1, 1, 10000, 10000, 10000, 10000};

SportDefinition FromLeague() {
  SportDefinition d;
  for (int i = 0; i <= 9; ++i) d.terms[i] = lg.SportTerm[i];
  for (int i = 0; i <= 3; ++i) {
    d.params[i] = lg.GameParam[i];
    d.params[i + 4] = lg.SportAward[i];
  }
  return d;
}

void ToLeague(const SportDefinition& d) {
  for (int i = 0; i <= 9; ++i) lg.SportTerm[i] = d.terms[i];
  for (int i = 0; i <= 3; ++i) {
    lg.GameParam[i] = d.params[i];
    lg.SportAward[i] = d.params[i + 4];
  }
}

bool ValidParam(int param) { return param >= 0 && param < 8; }

}  // namespace

void SportsSetup::load() {
  sports_.clear();
  EnsureSportsFile();
  int n = SportsInFile();
  for (int i = 1; i <= n; ++i) {
    ReadSport(i);
    sports_.push_back(FromLeague());
  }
  int own = std::max<int>(lg.SportNumber, 1);
  ReadSport(own);
  if (sports_.empty()) sports_.push_back(FromLeague());
  selected_ = std::clamp(own - 1, 0, count() - 1);
}

std::vector<std::string> SportsSetup::names() const {
  std::vector<std::string> n;
  for (const auto& s : sports_) n.push_back(s.terms[0]);
  return n;
}

void SportsSetup::select(int listIndex) {
  if (listIndex >= 0 && listIndex < count()) selected_ = listIndex;
}

Integer SportsSetup::minimum(int param) { return ValidParam(param) ? kMinimum[param] : 0; }
Integer SportsSetup::maximum(int param) { return ValidParam(param) ? kMaximum[param] : 0; }

std::string SportsSetup::paramToolTip(int param) {
  if (param == 2) return "0 or 1 allowed";
  if (param == 3) return "Specify whether you want results rounded up";
  return "1 to " + std::to_string(maximum(param)) + " allowed";
}

std::string SportsSetup::termLabel(int term) {
  static const std::array<const char*, 10> kLabels = {
      "Sport name", "Verb",         "Past tense", "Gerund", "Player",
      "Players",    "Scoring unit", "Lane",       "Series", "Frame"};
  return term >= 0 && term <= 9 ? kLabels[term] : "";
}

std::string SportsSetup::paramLabel(int param) const {
  const auto& t = sports_[selected_].terms;
  const std::string units = Trim(t[6]) + "s";
  const std::string series = Trim(t[8]);
  switch (param) {
    case 0: return "Highest possible game score";
    case 1: return "Most games in a " + Lower(series);
    case 2: return "Decimals shown in averages";
    case 3: return "Averages rounded up";
    case 4: return units + " over average in a game";
    case 5: return units + " over average in a game (second level)";
    case 6: return "Scratch score over";
    case 7: return series + " " + Lower(units) + " over " + Lower(series) + " average";
    default: return "";
  }
}

std::string SportsSetup::parametersLabel() const {
  return sports_[selected_].terms[0] + " Parameters";
}
std::string SportsSetup::valuesLabel() const { return sports_[selected_].terms[0] + " Values"; }

void SportsSetup::setTerm(int term, const std::string& text) {
  if (term >= 0 && term <= 9) sports_[selected_].terms[term] = text;
}

void SportsSetup::setParam(int param, const std::string& text, Integer step) {
  if (!ValidParam(param)) return;
  Integer& v = sports_[selected_].params[param];
  v = CheckRange(text, v, minimum(param), maximum(param), step);
}

void SportsSetup::setRoundUp(bool on) { sports_[selected_].params[3] = on ? True : False; }

bool SportsSetup::addSport() {
  if (count() >= kMaxSports) {
    MsgBox("There is a maximum of 32 sports in the master file. You have reached this maximum "
           "and cannot add any more",
           "MAXIMUM REACHED");
    return false;
  }
  SportDefinition copy = sports_[selected_];
  for (auto& term : copy.terms) term = "New " + term;
  sports_.push_back(copy);
  selected_ = count() - 1;
  return true;
}

bool SportsSetup::save() {
  std::string text = "Any changes you have made will be saved to the master sports information "
                     "file." + NewLine + NewLine + "Are you sure you want to do this?";
  bool saved = AskYesNo(text, "SAVE CHANGES?");
  if (saved) {
    lg.SportCount = static_cast<Integer>(count());
    for (int i = 0; i < count(); ++i) {
      ToLeague(sports_[i]);
      WriteSport(i + 1);
    }
  }
  cancel();
  return saved;
}

void SportsSetup::cancel() { ReadSport(std::max<int>(lg.SportNumber, 1)); }

}  // namespace tallmark
