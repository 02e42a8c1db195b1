#include "league/LeagueFileSet.h"

#include <cctype>

#include "common/Text.h"
#include "league/LeagueData.h"
#include "league/StatsFile.h"
#include "league/WeekFiles.h"

namespace tallmark {

namespace {

// A line of the sequential text files: values of at most 20 characters (names, titles,
// labels), numbers of at most 15, with their quotes and commas.
constexpr std::uint64_t kMaxValueBytes = 24;
constexpr std::uint64_t kLineEnd = 2;

// The configuration: fewer than 400 values (the header and counts, the tables of splits,
// classes, extra statistics and handicaps, a lane number per team, the customized awards and
// the week dates); 512 leaves room, each with room for the longest name or title.
constexpr std::uint64_t kConfigValues = 512;
constexpr std::uint64_t kConfigBytes = kConfigValues * (64 + kLineEnd);

// Identities: name (20), phone (12) and two numbers per player record.
constexpr std::uint64_t kIdentityBytes = kMaxPlayerRecords * (4 * kMaxValueBytes + kLineEnd);

// Roster: a record index per team position, then the substitutes, one a line.
constexpr std::uint64_t kRosterLines =
    kMaxTeams * (kMaxRosterPositions + 1) + kMaxPlayerRecords + 1;
constexpr std::uint64_t kRosterBytes = kRosterLines * (6 + kLineEnd);

// The bulletin: one quoted text whose line breaks count in its length.
constexpr std::uint64_t kBulletinBytes = kMaxBulletinLength + 2 + kLineEnd;

constexpr std::uint64_t kStatsBytes = std::uint64_t{kMaxSessions} * kSessionStatRecords * 4;

constexpr std::uint64_t kSeasonBytes =
    std::uint64_t{kMaxWeeks + 1} * kLaneSlotsPerWeekBlock * kSeasonRecordBytes;

// Score records of the last week's last team and position, at the most players a week.
constexpr std::uint64_t kMostPlayersPerWeek = 10;
constexpr std::uint64_t kScoreBytes =
    (std::uint64_t{kMaxWeeks} * kMostPlayersPerWeek * 101 + kMaxTeams * 100) * kScoreRecordBytes;

// Awards log: per bowler and week at most three game awards and every customized award for
// each game, five series awards and the week's best; a line names the bowler (20), the sport's
// words and the scores in under 128 characters.
constexpr std::uint64_t kBowlersPerWeek = kMaxTeams * kMostPlayersPerWeek;
constexpr std::uint64_t kAwardLinesPerBowler = kMaxGames * (3 + kMaxCustomAwards) + 5 + 1;
constexpr std::uint64_t kAwardsBytes = kMaxWeeks * kBowlersPerWeek * kAwardLinesPerBowler * 128;

// Raw scores export: a heading, then a line per score record of every week, each three names,
// four numbers and two fields a game, well under 512 characters.
constexpr std::uint64_t kRawScoreLineBytes = 512;
constexpr std::uint64_t kRawScoresBytes = (kMaxWeeks * kBowlersPerWeek + 1) * kRawScoreLineBytes;

}  // namespace

const std::vector<LeagueFileKind>& LeagueFileKinds() {
  static const std::vector<LeagueFileKind> kinds = {
      {".CFG", kConfigBytes}, {".IDS", kIdentityBytes}, {".RST", kRosterBytes},
      {".MSG", kBulletinBytes}, {".STT", kStatsBytes},   {".SEA", kSeasonBytes},
      {".scr", kScoreBytes},   {".SPC", kAwardsBytes},   {".CSV", kRawScoresBytes}};
  return kinds;
}

const LeagueFileKind* LeagueFileKindOf(const std::string& name, const std::string& base) {
  if (base.empty() || name.size() <= base.size()) return nullptr;
  if (UpperAscii(name.substr(0, base.size())) != UpperAscii(base)) return nullptr;
  const std::string extension = UpperAscii(name.substr(base.size()));
  for (const LeagueFileKind& kind : LeagueFileKinds())
    if (extension == UpperAscii(kind.extension)) return &kind;
  return nullptr;
}

namespace {

bool TwoDigitsAt(const std::string& s, std::size_t at) {
  return s.size() == at + 2 && std::isdigit(static_cast<unsigned char>(s[at])) &&
         std::isdigit(static_cast<unsigned char>(s[at + 1]));
}

// Whether upperName from at on is a temporary file's ending: ".TMP", then digits and "-".
bool TemporaryEnding(const std::string& upperName, std::size_t at) {
  if (upperName.compare(at, 4, ".TMP") != 0 || upperName.size() == at + 4) return false;
  for (std::size_t i = at + 4; i < upperName.size(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(upperName[i])) && upperName[i] != '-')
      return false;
  return true;
}

bool OwnFileName(const std::string& upperName, const std::string& upperBase) {
  if (LeagueFileKindOf(upperName, upperBase)) return true;
  const std::string undo = upperBase + ".U";
  if (upperName.compare(0, undo.size(), undo) == 0 && TwoDigitsAt(upperName, undo.size()))
    return true;
  const std::string archive = "&" + upperBase.substr(1) + ".Z";
  return upperName.compare(0, archive.size(), archive) == 0 &&
         TwoDigitsAt(upperName, archive.size());
}

}  // namespace

bool LeagueOwnsName(const std::string& name, const std::string& base, bool temporary) {
  if (base.empty() || name.find('/') != std::string::npos) return false;
  const std::string upperName = UpperAscii(name);
  const std::string upperBase = UpperAscii(base);
  if (!temporary) return OwnFileName(upperName, upperBase);
  const std::size_t tmp = upperName.rfind(".TMP");
  return tmp != std::string::npos && TemporaryEnding(upperName, tmp) &&
         OwnFileName(upperName.substr(0, tmp), upperBase);
}

}  // namespace tallmark
