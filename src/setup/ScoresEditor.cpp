#include "setup/ScoresEditor.h"

#include <algorithm>
#include <cmath>

#include "common/Text.h"
#include "common/UserIO.h"
#include "league/WeekFiles.h"
#include "setup/EditorChecks.h"

namespace tallmark {

namespace {

// The largest count a record's byte holds, and the largest points whose twentieths fit its
// 16-bit field.
constexpr Integer kMaxByte = 255;
constexpr Integer kMaxStoredPoints = 32767 / 20;

std::vector<std::string> Numbers(int first, int last) {
  std::vector<std::string> list;
  for (int n = first; n <= last; ++n) list.push_back(std::to_string(n));
  return list;
}

Integer WholeValue(Single value) { return static_cast<Integer>(std::nearbyint(value)); }

}  // namespace

void ScoresEditor::open() {
  ShowCorrectionNotice();
  week_ = lg.StartWeek;
  team_ = 1;
  position_ = 1;
  game_ = 0;
  extra_ = 0;
  changed_ = false;
  read();
}

void ScoresEditor::close() {
  if (!changed_) return;
  MsgBox("The changes you made have been saved on disk." + NewLine +
             "The only way to accurately restore the data will be to restore a backup of the "
             "data or use this same form to carefully restore the data you changed.",
         "IMPORTANT NOTICE", MsgIcon::Information);
}

// ---- lists and captions ----

std::vector<std::string> ScoresEditor::weekList() const {
  return Numbers(lg.StartWeek, lg.CurrentWeek);
}

std::vector<std::string> ScoresEditor::teamList() const {
  std::vector<std::string> list;
  for (int t = 1; t <= lg.LastTeam; ++t)
    list.push_back(TeamNumberInUse(t) ? TrimRight(lg.PlayerName[lg.Roster[t][0]])
                                      : std::to_string(t) + " INACTIVE TEAM");
  return list;
}

std::vector<std::string> ScoresEditor::positionList() const {
  return Numbers(1, lg.PlayersPerWeek);
}

std::vector<std::string> ScoresEditor::playerList() const {
  // Every record in use, also one above NumPlayerRecords left by a freed lower record.
  int count = kMaxPlayerRecords;
  while (count > lg.NumPlayerRecords &&
         (IsFreeName(lg.PlayerName[count - 1]) || Trim(lg.PlayerName[count - 1]).empty()))
    --count;
  std::vector<std::string> list;
  for (int p = 0; p < count; ++p) list.push_back(TrimRight(lg.PlayerName[p]));
  return list;
}

std::vector<std::string> ScoresEditor::gameList() const {
  return Numbers(1, std::min<int>(lg.GamesPerWeek, kMaxGames));
}

std::vector<std::string> ScoresEditor::extraList() const {
  std::vector<std::string> list;
  for (int e = 0; e < lg.NumExtraStats && e < kMaxExtraStats; ++e)
    list.push_back(TrimRight(lg.ExtraStatAbbrev[e]));
  return list;
}

std::string ScoresEditor::statusCaption(int option) {
  switch (option) {
    case kRegular: return "&A. Regular " + lg.SportTerm[4];
    case kSub: return "&B. Substitute " + lg.SportTerm[4];
    case kRovingSub: return "&C. Roving Substitute";
    case kVacancy: return "&D. Vacancy";
    case kAbsent: return "&E. Absent " + lg.SportTerm[4];
    case kForfeit: return "&F. Games Forfeited";
    default: return {};
  }
}

std::string ScoresEditor::flagCaption() { return Upper(lg.SportTerm[9]) + "S"; }

std::string ScoresEditor::boxCaption(int box) {
  switch (box) {
    case kScoreBox: return "&5. SCORE";
    case kExtraBox: return "&7. COUNT";
    case kHandicapBox: return "&1. HANDICAP";
    case kWinsBox: return "&3. WINS";
    default: return {};
  }
}

std::string ScoresEditor::listCaption(int list) {
  switch (list) {
    case kWeekList: return "&WEEK";
    case kTeamList: return "&TEAM";
    case kPositionList: return "&POSITION";
    case kPlayerList: return "&2. " + Upper(lg.SportTerm[4]);
    case kGameList: return "&4. GAME";
    case kExtraList: return "&6. EXTRA STATISTIC";
    default: return {};
  }
}

Integer ScoresEditor::boxMaximum(int box) {
  const Integer most = std::max<Integer>(lg.GameParam[0], 0);
  // Counts are stored in a byte and points as twentieths in 16 bits: a larger value could
  // not be written.
  if (box == kExtraBox) return std::min(most, kMaxByte);
  if (box == kWinsBox) return std::min(most, kMaxStoredPoints);
  return most;
}

// ---- selection ----

void ScoresEditor::selectWeek(int listIndex) {
  week_ = lg.StartWeek + listIndex;
  read();
}

void ScoresEditor::selectTeam(int listIndex) {
  team_ = listIndex + 1;
  read();
}

void ScoresEditor::selectPosition(int listIndex) {
  position_ = listIndex + 1;
  read();
}

void ScoresEditor::selectGame(int listIndex) {
  game_ = std::clamp(listIndex, 0, kMaxGames - 1);
}

void ScoresEditor::selectExtra(int listIndex) {
  extra_ = std::clamp(listIndex, 0, kMaxExtraStats);
}

bool ScoresEditor::hasRecord() const {
  return week_ >= lg.StartWeek && week_ <= lg.CurrentWeek && week_ >= 1 && week_ <= kMaxWeeks &&
         team_ >= 1 && team_ <= lg.LastTeam && position_ >= 1 && position_ <= lg.PlayersPerWeek;
}

bool ScoresEditor::flag() const { return (record_.noCreditMask >> game_ & 1) != 0; }

Single ScoresEditor::boxValue(int box) const {
  switch (box) {
    case kScoreBox: return record_.games[game_];
    case kExtraBox: return record_.extras[extra_];
    case kHandicapBox: return record_.handicap;
    case kWinsBox: return record_.pointsWon;
    default: return 0;
  }
}

std::string ScoresEditor::boxText(int box) const { return CorrectionText(boxValue(box)); }

// ---- edits ----

void ScoresEditor::choosePlayer(int listIndex) {
  if (listIndex < 0 || listIndex >= kMaxPlayerRecords) return;
  ScoreFields fields = record_;
  fields.player = static_cast<Integer>(listIndex);
  write(fields);
}

void ScoresEditor::chooseStatus(int option) {
  if (option < 0 || option >= kStatusOptions) return;
  ScoreFields fields = record_;
  fields.kind = static_cast<Integer>(option);
  write(fields);
}

void ScoresEditor::setFlag(bool on) {
  ScoreFields fields = record_;
  const int bit = 1 << game_;
  fields.noCreditMask = static_cast<Integer>(on ? fields.noCreditMask | bit
                                                : fields.noCreditMask & ~bit);
  write(fields);
}

void ScoresEditor::commitBox(int box, const std::string& text, Integer step) {
  const Single value = CheckCorrection(text, boxValue(box), boxMaximum(box), step);
  ScoreFields fields = record_;
  switch (box) {
    case kScoreBox: fields.games[game_] = WholeValue(value); break;
    case kExtraBox: fields.extras[extra_] = WholeValue(value); break;
    case kHandicapBox: fields.handicap = WholeValue(value); break;
    case kWinsBox: fields.pointsWon = value; break;
    default: return;
  }
  write(fields);
}

// ---- the record on disk ----

void ScoresEditor::read() {
  record_ = ScoreFields{};
  if (!hasRecord()) return;
  // A forfeit's scores are kept on disk; the editor shows them as stored, so that a later
  // write does not replace them by the zeros the forfeit rule reads.
  const Integer forfeitRule = lg.ForfeitRule;
  lg.ForfeitRule = False;
  Integer player = 0;
  ReadScore(week_, team_, position_, player);
  lg.ForfeitRule = forfeitRule;
  record_.player = player;
  record_.kind = lg.ScrEntryKind;
  record_.noCreditMask = lg.ScrNoCreditMask;
  record_.handicap = lg.ScrHandicap;
  record_.pointsWon = lg.ScrPointsWon;
  std::copy(lg.ScrGameScore.begin(), lg.ScrGameScore.end(), record_.games.begin());
  std::copy(lg.ScrExtraStat.begin(), lg.ScrExtraStat.end(), record_.extras.begin());
}

void ScoresEditor::write(const ScoreFields& fields) {
  if (!hasRecord() || fields == record_) return;
  lg.ScrEntryKind = fields.kind;
  lg.ScrFlag = fields.kind == kForfeit ? True : False;
  lg.ScrNoCreditMask = fields.noCreditMask;
  lg.ScrHandicap = fields.handicap;
  lg.ScrPointsWon = fields.pointsWon;
  std::copy(fields.games.begin(), fields.games.end(), lg.ScrGameScore.begin());
  std::copy(fields.extras.begin(), fields.extras.end(), lg.ScrExtraStat.begin());
  if (WriteScore(week_, team_, position_, fields.player)) changed_ = true;
  read();
}

}  // namespace tallmark
