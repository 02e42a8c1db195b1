// tallmark-cli import-lanes on the sample league's week 5: exports written the ways scoring
// systems write them give the very files the program's own score sheet gives, and every
// problem leaves its team as it was with one line of the log.
#include <gtest/gtest.h>

#include <filesystem>
#include <cstring>
#include <fstream>
#include <functional>

#include "common/Text.h"
#include "league/LeagueData.h"
#include "processing/Rankings.h"
#include "processing/ScoreEntry.h"
#include "support/LeagueFixture.h"
#include "support/RunCli.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

namespace fs = std::filesystem;

// One bowler of the night: the record, the lane and the team's slot of the week, the games.
struct Bowled {
  int slot;  // the team's lane slot (1-based) of week 5
  Integer player;
  std::vector<int> games;  // -1: left blank
  int lane = 0;            // another lane than the slot's
};

// The line-ups, by the team's lane slot: who bowls, in the file's order (roster positions,
// 0 for the first substitute), and the positions the results window gives them.
//   slot 2: 1, 2, 4          -> 1, 2, 4 (the 4th member takes the place of the 3rd)
//   slot 3: 3, sub, 1        -> 1, sub, 3 (the sub takes the 2nd member's place)
//   slot 4: 2, 3             -> 1 absent, 2, 3
//   others: 3, 1, 2          -> 1, 2, 3
std::vector<int> Bowlers(int slot) {
  switch (slot) {
    case 2: return {1, 2, 4};
    case 3: return {3, 0, 1};
    case 4: return {2, 3};
    default: return {3, 1, 2};
  }
}
std::vector<std::string> SheetLineUp(int slot) {  // position by position: member or S / A
  switch (slot) {
    case 2: return {"1", "2", "4"};
    case 3: return {"1", "S", "3"};
    case 4: return {"A1", "2", "3"};
    default: return {"1", "2", "3"};
  }
}

class ImportLanes : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::OpenSampleLeague(pristine.path()));
    ScoreEntry entry(false);
    ASSERT_EQ(entry.open(), EntryOpen::Ready);
    teams = entry.teams();
    for (int k = 1; k <= 2 * lg.NumLanes; ++k) lanes.push_back(lg.LaneNumber[k]);
    for (int k = 1; k <= static_cast<int>(teams.size()); ++k)
      for (int member : Bowlers(k)) {
        Integer p = member == 0 ? lg.SubList[1] : lg.Roster[teams[k - 1]][member];
        bowled.push_back({k, p, {100 + (7 * k + 3 * p) % 140, 90 + (11 * p) % 150, 120 + k * 9}});
      }
    names.assign(lg.PlayerName.begin(), lg.PlayerName.end());
    teamNames.clear();
    for (Integer t : teams) teamNames.push_back(TrimRight(lg.PlayerName[lg.Roster[t][0]]));
    roster = lg.Roster;
  }

  // A fresh copy of the sample league, for one run.
  std::string copy(const std::string& name) {
    const std::string dir = work.file(name) + "/";
    fs::create_directories(dir);
    for (const auto& e : fs::directory_iterator(pristine.path()))
      if (e.is_regular_file()) fs::copy_file(e.path(), dir + e.path().filename().string());
    return dir;
  }

  test::CliResult cli(std::vector<std::string> args) {
    return test::RunCli(pristine.file("program"), args);
  }

  std::string write(const std::string& name, const std::string& bytes) {
    std::ofstream(work.file(name), std::ios::binary) << bytes;
    return work.file(name);
  }

  // The name as a scoring system may write it (UTF-8), in one of four spellings.
  std::string spelled(Integer p, int style) const {
    std::string name = TrimRight(names[p]);
    for (auto [plain, accented] : {std::pair{"Jimenez", "Jim\xE9nez"}, {"Nora", "N\xF3ra"}})
      if (auto at = name.find(plain); at != std::string::npos) name.replace(at, std::strlen(plain), accented);
    const std::size_t blank = name.find(' ');
    const std::string first = name.substr(0, blank), last = name.substr(blank + 1);
    switch (style % 4) {
      case 1: name = last + ", " + first; break;
      case 2: name = Upper(last) + " " + Upper(first); break;
      case 3: name = "  " + Lower(first) + "   " + Lower(last) + " "; break;
      default: break;
    }
    return Cp1252ToUtf8(name);
  }

  // The export in one of four forms: comma UTF-8 "Bowler"/"Team" name; semicolon
  // Windows-1252 "First Name"/"Last Name"/"Team #"; tab UTF-8 with BOM, "Ln"/"Name"/"Gm1";
  // headings of its own, for --columns.
  std::string exportOf(int form, const std::vector<Bowled>& rows) const {
    const char sep = form == 1 ? ';' : form == 2 ? '\t' : ',';
    const std::vector<std::string> heads[] = {
        {"Lane", "Bowler", "Team", "Hdcp", "Game 1", "Game 2", "Game 3", "Date"},
        {"Lane #", "First Name", "Last Name", "Team #", "G1", "G2", "G3", "Date"},
        {"Ln", "Name", "Avg", "Gm1", "Gm2", "Gm3", "Date"},
        {"Alley", "Who", "Pins A", "Pins B", "Pins C", "Date"}};
    std::string text = form == 2 ? "\xEF\xBB\xBF" : "";
    auto line = [&](const std::vector<std::string>& fields) {
      for (std::size_t i = 0; i < fields.size(); ++i) text += (i ? std::string(1, sep) : "") + fields[i];
      text += form == 1 ? "\r\n" : "\n";
    };
    line(heads[form]);
    int i = 0;
    for (const Bowled& b : rows) {
      std::vector<std::string> f{std::to_string(b.lane ? b.lane : lanes[b.slot - 1])};
      const std::string name = spelled(b.player, i++);
      const bool comma = name.find(',') != std::string::npos;
      if (form == 0) f.insert(f.end(), {comma ? "\"" + name + "\"" : name, teamNames[b.slot - 1], "12"});
      if (form == 1) {
        const std::string plain = spelled(b.player, 0);
        f.insert(f.end(), {plain.substr(0, plain.find(' ')), plain.substr(plain.find(' ') + 1),
                           std::to_string(teams[b.slot - 1])});
      }
      if (form == 2) f.insert(f.end(), {name, "150"});
      if (form == 3) f.push_back(comma ? "\"" + name + "\"" : name);
      for (int g : b.games) f.push_back(g < 0 ? "" : std::to_string(g));
      f.push_back("2025-10-01");
      line(f);
    }
    return form == 1 ? Utf8ToCp1252(text) : text;
  }

  // The same night as the program's own score sheet (semicolons, Windows-1252, short types).
  std::string sheet() const {
    std::string text = "date;10/01/25\r\nteam;position;player;type;game 1;game 2;game 3\r\n";
    for (int k = 1; k <= static_cast<int>(teams.size()); ++k) {
      const std::vector<std::string> lineUp = SheetLineUp(k);
      for (int pos = 1; pos <= 3; ++pos) {
        const std::string& who = lineUp[pos - 1];
        const Integer p = who == "S" ? lg.SubList[1] : roster[teams[k - 1]][who.back() - '0'];
        std::string row = std::to_string(teams[k - 1]) + ";" + std::to_string(pos) + ";" +
                          TrimRight(names[p]) + ";" + (who == "S" ? "S" : who[0] == 'A' ? "A" : "R");
        for (const Bowled& b : bowled)
          if (b.slot == k && b.player == p)
            for (int g : b.games) row += ";" + std::to_string(g);
        text += row + (who[0] == 'A' ? ";;;" : "") + "\r\n";
      }
    }
    return text;
  }

  test::TempDir pristine;
  test::TempDir work;
  std::vector<Integer> teams;
  std::vector<int> lanes;
  std::vector<Bowled> bowled;
  std::vector<std::string> names;
  std::vector<std::string> teamNames;
  decltype(lg.Roster) roster;
};

TEST_F(ImportLanes, EveryFormGivesTheFilesOfTheOwnSheet) {
  const std::string own = copy("own");
  test::CliResult r = cli({"scores", own + "SAMPLE.CFG", "--week", "5", "--file", write("sheet.csv", sheet())});
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(cli({"process", own + "SAMPLE.CFG", "--no-backup"}).status, 0);
  const auto expected = test::FolderFiles(own);
  for (int form = 0; form < 4; ++form) {
    const std::string dir = copy("form" + std::to_string(form));
    const std::string file = write("export" + std::to_string(form) + ".csv", exportOf(form, bowled));
    std::vector<std::string> args{"import-lanes", dir + "SAMPLE.CFG", "--file", file, "--log", work.file("log.txt")};
    if (form == 3) args.insert(args.end(), {"--columns", "lane=1,name=2,games=3-5"});
    r = cli(args);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("Imported 8 of 8 teams\r\n"), std::string::npos) << r.out;
    EXPECT_EQ(test::FileText(work.file("log.txt")), r.out);
    ASSERT_EQ(cli({"process", dir + "SAMPLE.CFG", "--no-backup"}).status, 0);
    const auto files = test::FolderFiles(dir);
    ASSERT_EQ(files.size(), expected.size()) << form;
    for (const auto& [name, bytes] : expected) EXPECT_TRUE(files.at(name) == bytes) << form << " " << name;
  }
}

TEST_F(ImportLanes, EachProblemLeavesItsTeamWithOneLogLine) {
  const int at = 3 + 3 + 3 + 2;  // the first row of the team on slot 5
  struct Case {
    const char* what;
    std::function<void(std::vector<Bowled>&)> change;
    int leftSlot;  // the slot of the team left as it was, 0 none
    const char* logged;
  };
  const Case cases[] = {
      {"unknown", [&](auto& v) { v[at].player = roster[teams[0]][4]; }, 5,
       "'s roster or the substitutes: enter by hand or add the bowler in Teams"},
      {"no team", [&](auto& v) { v.push_back(v[0]); v.back().lane = 120; }, 0,
       "no team bowls on lane 120 in week 5"},
      {"twice", [&](auto& v) { v.push_back(v[at]); }, 5, " is also on line "},
      {"four", [&](auto& v) { v.push_back(v[at]); v.back().player = roster[teams[4]][4]; }, 5,
       "has more bowlers in the file than the 3 who bowl each week"},
      {"301", [&](auto& v) { v[at].games[1] = 301; }, 5, "game 2 \"301\" is not a score from 0 to 300"},
      {"missing", [&](auto& v) { v[at].games[2] = -1; }, 5, "game 3 is missing"},
  };
  for (const Case& c : cases) {
    std::vector<Bowled> rows = bowled;
    c.change(rows);
    const std::string dir = copy(c.what);
    const test::CliResult r =
        cli({"import-lanes", dir + "SAMPLE.CFG", "--file", write("x.csv", exportOf(0, rows))});
    EXPECT_EQ(r.status, c.leftSlot ? 3 : 0) << c.what << r.out;
    const std::size_t log = r.out.find(c.leftSlot ? "Imported 7 of 8 teams\r\n" : "Imported 8 of 8 teams\r\n");
    ASSERT_NE(log, std::string::npos) << c.what << r.out;
    const std::string lines = r.out.substr(log + 23);
    EXPECT_EQ(lines.find("\r\n"), lines.size() - 2) << c.what << r.out;  // one line
    EXPECT_NE(lines.find(c.logged), std::string::npos) << c.what << r.out;
    InitLeagueData();
    lg.ProgramPath = pristine.file("program/");
    lg.DataPath = dir;
    lg.FileName = "SAMPLE";
    ASSERT_TRUE(LoadLeague());
    ScoreEntry entry(false);
    ASSERT_EQ(entry.open(), EntryOpen::Ready);
    for (int k = 1; k <= 8; ++k) {
      const bool left = k == c.leftSlot;
      EXPECT_EQ(lg.TeamPointsWeek[TeamColumn(teams[k - 1])] == 1.0f, !left) << c.what << " " << k;
      entry.selectTeam(teams[k - 1]);
      for (int j = 1; left && j <= 3; ++j) EXPECT_EQ(entry.row(j).total(), 0) << c.what;
    }
  }
}

TEST_F(ImportLanes, AFileWithoutALaneColumnStoresNothing) {
  const std::string dir = copy("none");
  const auto before = test::FolderFiles(dir);
  std::string bytes = exportOf(0, bowled);
  bytes.replace(0, 4, "Lan");
  const test::CliResult r = cli({"import-lanes", dir + "SAMPLE.CFG", "--file", write("x.csv", bytes)});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("Nothing was imported: the heading row (line 1) has no lane column (\"Lane\", "
                       "\"Lane #\", \"Lane No\" or \"Ln\"); headings found: Lan, Bowler, Team, Hdcp, "
                       "Game 1, Game 2, Game 3, Date."), std::string::npos) << r.out;
  EXPECT_EQ(test::FolderFiles(dir), before);
}

}  // namespace
}  // namespace tallmark
