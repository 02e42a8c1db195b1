// The people of the sample league: teams, bowlers of both groups, substitutes, officers and the
// bulletin, set as the teams, names and bulletin windows set them.
#include <cstdio>

#include "league/LeagueData.h"
#include "setup/SampleParts.h"
#include "setup/TeamOps.h"

namespace tallmark::sample {

namespace {

constexpr int kFemale = 0;
constexpr int kMale = 1;

const std::array<Team, kSampleTeams> kTeams = {{
    {"Pin Pals",
     {{{"Linda Carver", kFemale, 152}, {"Mike Patel", kMale, 188},
       {"Rosa Jimenez", kFemale, 131}, {"Tom Becker", kMale, 176}}}},
    {"Alley Cats",
     {{{"Grace Holloway", kFemale, 144}, {"Dave Kowalski", kMale, 201},
       {"Sue Tanaka", kFemale, 163}, {"Ray Dunn", kMale, 169}}}},
    {"Split Happens",
     {{{"Karen Olsen", kFemale, 127}, {"Jim Whitaker", kMale, 194},
       {"Nora Quinn", kFemale, 158}, {"Luis Moreno", kMale, 181}}}},
    {"Spare Parts",
     {{{"Pat Gallagher", kFemale, 139}, {"Ben Okafor", kMale, 172},
       {"Amy Lindqvist", kFemale, 121}, {"Hank Russo", kMale, 207}}}},
    {"Lane Rangers",
     {{{"Joan Mercer", kFemale, 166}, {"Carl Hughes", kMale, 185},
       {"Tina Brooks", kFemale, 148}, {"Walt Ferris", kMale, 158}}}},
    {"Gutter Gang",
     {{{"Meg Sullivan", kFemale, 135}, {"Ron Castillo", kMale, 197},
       {"Iris Novak", kFemale, 154}, {"Gary Fischer", kMale, 163}}}},
    {"Kingpins",
     {{{"Dot Ramsey", kFemale, 142}, {"Earl Vance", kMale, 210},
       {"Lucy Chen", kFemale, 129}, {"Sam Dobbs", kMale, 178}}}},
    {"Rolling Thunder",
     {{{"Vera Hollis", kFemale, 160}, {"Frank Abbott", kMale, 183},
       {"Jen Park", kFemale, 137}, {"Phil Marsh", kMale, 170}}}},
}};

const std::array<Bowler, kSampleSubs> kSubs = {{
    {"Ann Whitley", kFemale, 145},
    {"Bill Haynes", kMale, 174},
    {"Cora Bell", kFemale, 133},
}};

// The officers: (team, position) of each, in the order President, Vice Pres, Secretary,
// Treasurer (the default titles).
constexpr int kOfficers[4][2] = {{1, 2}, {3, 3}, {5, 1}, {7, 4}};

// Fictional numbers: 555-0100 and up.
std::string Phone(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "555-01%02d", n % 100);
  return buf;
}

void SetPerson(int index, int team, const Bowler& b, int phone) {
  lg.PlayerName[index] = CleanName(b.name);
  SetCategory(index, team, static_cast<Integer>(b.group));
  SetStartingAverage(index, team, static_cast<Integer>(b.average));
  SetPhone(index, Phone(phone));
}

void FillOfficers() {
  for (int k = 1; k <= 4; ++k) {
    int index = lg.Roster[kOfficers[k - 1][0]][kOfficers[k - 1][1]];
    lg.OfficerPlayer[k] = static_cast<Integer>(index);
    lg.OfficerName[k] = lg.PlayerName[index];
  }
}

}  // namespace

const char* const kLeagueName = "Tuesday Night Mixed";

const char* const kBulletin =
    "Welcome to the sample league! It was made by the program so that you can look around: "
    "four weeks are bowled and processed.\r\n"
    "Enter week 5 from the Edit menu, or print this standing sheet from the Reports menu.\r\n"
    "Dues are $15 a week, paid to the Treasurer before the first game. Practice starts at "
    "6:45 PM.";

const std::array<Team, kSampleTeams>& Teams() { return kTeams; }
const std::array<Bowler, kSampleSubs>& Subs() { return kSubs; }

void FillRoster() {
  lg.LeagueName = kLeagueName;
  int phone = 0;
  for (int t = 1; t <= kSampleTeams; ++t) {
    const Team& team = kTeams[t - 1];
    lg.PlayerName[lg.Roster[t][0]] = CleanName(team.name);
    for (int p = 1; p <= kSampleMembers; ++p)
      SetPerson(lg.Roster[t][p], t, team.bowlers[p - 1], ++phone);
  }
  for (int s = 1; s <= kSampleSubs; ++s) SetPerson(lg.SubList[s], 0, kSubs[s - 1], ++phone);
  FillOfficers();
  lg.BulletinText = kBulletin;
}

}  // namespace tallmark::sample
