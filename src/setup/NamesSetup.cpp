#include "setup/NamesSetup.h"

#include <algorithm>

#include "league/RosterFiles.h"
#include "common/Text.h"
#include "processing/Rankings.h"
#include "common/Functs.h"

namespace tallmark {

namespace {

void AddCandidate(std::vector<NamesSetup::Candidate>& list, int record) {
  if (record < 0 || record >= kMaxPlayerRecords) return;
  const std::string& name = lg.PlayerName[record];
  if (IsFreeName(name) || IsVacancyName(name)) return;
  list.push_back({static_cast<Integer>(record), TrimRight(name)});
}

std::string Cleaned(const std::string& text, std::size_t length) {
  std::string t = Trim(text).substr(0, length);
  ReplaceChar(t, '"', '_');
  return t;
}

}  // namespace

std::string NamesSetup::DefaultTitle(int office) {
  static const char* titles[] = {"President", "Vice Pres", "Secretary", "Treasurer"};
  return titles[std::clamp(office, 0, kOffices - 1)];
}

NamesSetup::NamesSetup() : leagueName_(TrimRight(lg.LeagueName)) {
  const int perTeam = std::clamp<int>(lg.PlayersPerTeam, 0, kMaxRosterPositions);
  for (int t = 1; t <= kMaxTeams; ++t) {
    if (!TeamInUse(t)) continue;
    for (int p = 1; p <= perTeam; ++p) AddCandidate(candidates_, lg.Roster[t][p]);
  }
  const int subs = std::clamp<int>(lg.NumSubs, 0, kMaxTeams);
  for (int i = 1; i <= subs; ++i) AddCandidate(candidates_, lg.SubList[i]);
  for (int k = 0; k < kOffices; ++k) {
    Office& o = offices_[k];
    o.storedTitle = o.title = TrimRight(lg.OfficerTitle[k + 1]);
    o.choice = candidateOf(lg.OfficerPlayer[k + 1]);
    o.notUsed = lg.OfficerPlayer[k + 1] == -1 || o.title == kNotUsedTitle;
  }
}

int NamesSetup::candidateOf(int record) const {
  for (std::size_t i = 0; i < candidates_.size(); ++i)
    if (candidates_[i].record == record) return static_cast<int>(i);
  return -1;
}

void NamesSetup::setNotUsed(int office, bool on) {
  Office& o = offices_[office];
  o.notUsed = on;
  if (on)
    o.title = kNotUsedTitle;
  else
    o.title = o.storedTitle == kNotUsedTitle ? DefaultTitle(office) : o.storedTitle;
}

void NamesSetup::choose(int office, int candidate) {
  if (candidate >= -1 && candidate < static_cast<int>(candidates_.size()))
    offices_[office].choice = candidate;
}

void NamesSetup::setTitle(int office, const std::string& title) {
  if (!offices_[office].notUsed) offices_[office].title = title;
}

void NamesSetup::store() const {
  std::string name = Cleaned(leagueName_, kNameLength);
  lg.LeagueName = name.empty() ? "TBD" : name;
  for (int k = 0; k < kOffices; ++k) {
    const Office& o = offices_[k];
    const int n = k + 1;
    const bool used = !o.notUsed && o.choice >= 0;
    lg.OfficerPlayer[n] = used ? candidates_[o.choice].record : Integer{-1};
    if (used) lg.OfficerName[n] = lg.PlayerName[lg.OfficerPlayer[n]];
    lg.OfficerTitle[n] = Cleaned(o.title, kTitleLength);
  }
}

bool BulletinSetup::setText(const std::string& text) {
  if (static_cast<int>(text.size()) > kMaxLength) return false;
  text_ = text;
  return true;
}

bool BulletinSetup::store() const {
  lg.BulletinText = TrimRight(text_);
  ReplaceChar(lg.BulletinText, '"', '_');
  return WriteBulletin();
}

}  // namespace tallmark
