// The rules of a row: the player type and its refusals, the name lists, scores, incomplete
// marks, extra statistics and the forfeit box.
#include <algorithm>

#include "processing/Averages.h"
#include "processing/Rankings.h"
#include "processing/ScoreEntry.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

bool IsVacancyPlayer(int p) {
  return p >= 0 && p <= kMaxPlayerRecords && IsVacancyName(lg.PlayerName[p]);
}

bool InUseRecord(int p) {
  return p > 0 && p <= kMaxPlayerRecords && !IsFreeName(lg.PlayerName[p]);
}

Integer ClampScore(int score) {
  return static_cast<Integer>(std::clamp(score, 0, static_cast<int>(lg.GameParam[0])));
}

}  // namespace

// A whole number of digits within 0..maximum; false for anything else.
bool ParseWhole(const std::string& text, int maximum, int& value) {
  if (text.empty() || text.size() > 6) return false;
  int v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v > maximum) return false;
  value = v;
  return true;
}

bool ScoreEntry::Editable(int slot) const {
  return team_ != 0 && !viewingEarlierWeek() && slot >= 1 && slot <= rowCount() && !forfeited();
}

// The scores standing in for a vacancy or an absent regular, every game; the row's extra
// statistics are cleared. A computed score never goes below 0 (a negative score would be
// stored as its absolute value) or above the sport's maximum.
void ScoreEntry::FillUnearned(EntryRow& r) {
  Integer score = r.type == kVacancy ? VacancyGameScore(r.player) : AbsentGameScore(r.player);
  for (int g = 0; g < lg.GamesPerWeek && g < kMaxGames; ++g) r.games[g] = ClampScore(score);
  r.extra.fill(0);
}

bool ScoreEntry::setPlayerType(int slot, int type) {
  if (!Editable(slot) || type < kRegular || type > kForfeit) {
    Beep();
    return false;
  }
  EntryRow& r = rows_[slot];
  bool vacancyRow = IsVacancyPlayer(r.player);
  if (type == kVacancy && !vacancyRow) {
    MsgBox(kVacancyRefusal);
    return false;
  }
  if (type == kForfeit) {
    MsgBox(kForfeitRefusal);
    return false;
  }
  if (type == kRovingSub && (vacancyRow || r.type == kVacancy)) {
    MsgBox(kRovingVacancyRefusal);
    return false;
  }
  if (type == kSub && lg.NumSubs <= 0) {
    MsgBox(NoSubstitutesText());
    return false;
  }
  r.type = static_cast<Integer>(type);
  // An entering average the row's old scores gave goes before the stand-in scores are computed.
  TakeEnteringAverages(team_, rows_);
  if (type == kVacancy || type == kAbsent) FillUnearned(r);
  RefreshRows();
  return true;
}

std::string ScoreEntry::playerListTitle(int slot) const {
  if (team_ == 0 || slot < 1 || slot > rowCount()) return {};
  switch (rows_[slot].type) {
    case kRegular:
    case kAbsent: return " SELECT TEAM MEMBER";
    case kSub: return " SELECT SUB";
    case kRovingSub: return " SELECT ROVING SUB";
    default: return {};
  }
}

std::vector<Integer> ScoreEntry::playerChoices(int slot) const {
  std::vector<Integer> list;
  if (team_ == 0 || slot < 1 || slot > rowCount()) return list;
  const EntryRow& r = rows_[slot];
  switch (r.type) {
    case kRegular:
    case kAbsent:
      for (int j = 1; j <= lg.PlayersPerTeam && j <= kMaxRosterPositions; ++j)
        if (InUseRecord(lg.Roster[team_][j])) list.push_back(lg.Roster[team_][j]);
      break;
    case kSub:
      for (int i = 1; i <= lg.NumSubs && i <= kMaxTeams; ++i)
        if (InUseRecord(lg.SubList[i])) list.push_back(lg.SubList[i]);
      break;
    case kRovingSub:
      for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t) {
        if (t == team_ || !TeamInUse(t)) continue;
        for (int j = 1; j <= lg.PlayersPerTeam && j <= kMaxRosterPositions; ++j) {
          Integer p = lg.Roster[t][j];
          if (InUseRecord(p) && !IsVacancyPlayer(p)) list.push_back(p);
        }
      }
      break;
    default:
      list.push_back(r.player);  // a vacancy or forfeit row keeps its player
  }
  return list;
}

bool ScoreEntry::choosePlayer(int slot, Integer player) {
  if (!Editable(slot)) {
    Beep();
    return false;
  }
  std::vector<Integer> list = playerChoices(slot);
  if (std::find(list.begin(), list.end(), player) == list.end()) {
    Beep();
    return false;
  }
  EntryRow& r = rows_[slot];
  r.player = player;
  TakeEnteringAverages(team_, rows_);
  // The standing-in scores belong to the player now listed.
  if (r.type == kVacancy || r.type == kAbsent) FillUnearned(r);
  RefreshRows();
  return true;
}

bool ScoreEntry::setScore(int slot, int game, const std::string& text) {
  int value = 0;
  if (!Editable(slot) || game < 0 || game >= lg.GamesPerWeek || game >= kMaxGames ||
      !ParseWhole(text, lg.GameParam[0], value)) {
    Beep();
    return false;
  }
  rows_[slot].games[game] = static_cast<Integer>(value);
  RefreshRows();
  return true;
}

bool ScoreEntry::setIncomplete(int slot, int game, bool marked) {
  if (!Editable(slot) || game < 0 || game >= lg.GamesPerWeek || game >= kMaxGames) {
    Beep();
    return false;
  }
  auto bit = static_cast<Integer>(1 << game);
  Integer& mask = rows_[slot].incompleteMask;
  mask = static_cast<Integer>(marked ? (mask | bit) : (mask & ~bit));
  return true;
}

bool ScoreEntry::setExtraStat(int slot, int stat, const std::string& text) {
  if (!Editable(slot) || stat < 0 || stat >= lg.NumExtraStats || stat >= kMaxExtraStats) {
    Beep();
    return false;
  }
  int value = 0;
  if (!ParseWhole(text, 63, value)) {
    MsgBox(kExtraStatRefusal, {}, MsgIcon::Exclamation);
    return false;
  }
  rows_[slot].extra[stat] = static_cast<Integer>(value);
  return true;
}

void ScoreEntry::setForfeit(bool on) {
  if (team_ == 0 || viewingEarlierWeek()) return;
  for (int j = 1; j <= rowCount(); ++j) {
    EntryRow& r = rows_[j];
    if (on) {
      r.type = kForfeit;
      r.games.fill(0);
      r.extra.fill(0);
    } else {
      r.type = kRegular;
    }
  }
  held_[team_].forfeit = on;
  RefreshRows();
}

}  // namespace tallmark
