#include "league/RosterFiles.h"

#include <algorithm>

#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/ReadErrors.h"
#include "league/SeqFile.h"

namespace tallmark {

namespace {

// Substitutes stored: NumSubs, within the substitute list.
int StoredSubs() { return std::clamp<int>(lg.NumSubs, 0, static_cast<int>(lg.SubList.size()) - 1); }

std::string PathOf(const char* extension) { return LeagueBasePath() + extension; }

bool Save(const char* extension, const std::string& text) {
  ErrorTrap trap;
  trap.set(WriteFileAtomic(PathOf(extension), text));
  return trap.report();
}

bool Finish(const SeqReader& reader, const char* extension) {
  ErrorTrap trap;
  trap.set(reader.error());
  return ReportReadError(trap, PathOf(extension));
}

// A player index read from the roster file; one outside the player records reads as 0.
void ReadPlayerIndex(SeqReader& r, Integer& into) {
  Integer v = r.integer();
  if (!r.lastOk()) return;
  if (v < 0 || v > kMaxPlayerRecords) {
    r.setError(kErrSubscript);
    v = 0;
  }
  into = v;
}

}  // namespace

std::string IdentitiesText() {
  SeqWriter w;
  for (int i = 0; i < kMaxPlayerRecords; ++i) {
    w.text(Fixed(lg.PlayerName[i], 20)).text(Fixed(lg.PlayerPhone[i], 12));
    w.integer(lg.AvgAfterWeek1[i]).integer(lg.RecalcGames[i]).endLine();
  }
  return w.data();
}

bool WriteIdentities() { return Save(".IDS", IdentitiesText()); }

bool ReadIdentities() {
  SeqReader r = SeqReader::Open(PathOf(".IDS"));
  for (int i = 0; i < kMaxPlayerRecords; ++i) {
    std::string name = r.text();
    if (r.lastOk()) lg.PlayerName[i] = Fixed(name, 20);
    std::string phone = r.text();
    if (r.lastOk()) lg.PlayerPhone[i] = Fixed(phone, 12);
    Integer after = r.integer();
    if (r.lastOk()) lg.AvgAfterWeek1[i] = after;
    Integer recalc = r.integer();
    if (r.lastOk()) lg.RecalcGames[i] = recalc;
  }
  return Finish(r, ".IDS");
}

std::string RosterText() {
  SeqWriter w;
  for (int t = 1; t <= kMaxTeams; ++t)
    for (int p = 0; p <= kMaxRosterPositions; ++p) {
      w.integer(lg.Roster[t][p]);
      w.endLine();
    }
  for (int k = 1; k <= StoredSubs(); ++k) {
    w.integer(lg.SubList[k]);
    w.endLine();
  }
  return w.data();
}

bool WriteRoster() { return Save(".RST", RosterText()); }

bool ReadRoster() {
  SeqReader r = SeqReader::Open(PathOf(".RST"));
  for (int t = 1; t <= kMaxTeams; ++t)
    for (int p = 0; p <= kMaxRosterPositions; ++p) ReadPlayerIndex(r, lg.Roster[t][p]);
  for (int k = 1; k <= StoredSubs(); ++k) ReadPlayerIndex(r, lg.SubList[k]);
  return Finish(r, ".RST");
}

std::string BulletinFileText() {
  SeqWriter w;
  w.text(lg.BulletinText);
  w.endLine();
  return w.data();
}

bool WriteBulletin() { return Save(".MSG", BulletinFileText()); }

bool ReadBulletin() {
  SeqReader r = SeqReader::Open(PathOf(".MSG"));
  std::string text = r.text();
  if (r.lastOk()) lg.BulletinText = text;
  return Finish(r, ".MSG");
}

}  // namespace tallmark
