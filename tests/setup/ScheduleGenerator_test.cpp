#include "setup/ScheduleGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/ScheduleTemplate.h"
#include "league/SeqFile.h"
#include "support/ScriptedUserIO.h"

namespace tallmark {
namespace {

// Fewest and most games any team plays on one lane pair over the whole schedule.
struct LaneSpread {
  int fewest = 1000;
  int most = 0;
};

LaneSpread MeasureLanes(const std::vector<TemplateWeek>& weeks, int teams) {
  std::vector<std::vector<int>> count(teams + 1, std::vector<int>(teams / 2, 0));
  for (const auto& week : weeks)
    for (int slot = 0; slot < teams; ++slot) ++count[week[slot]][slot / 2];
  LaneSpread spread;
  for (int t = 1; t <= teams; ++t)
    for (int c : count[t]) {
      spread.fewest = std::min(spread.fewest, c);
      spread.most = std::max(spread.most, c);
    }
  return spread;
}

TEST(ScheduleGenerator, EveryCountIsAFullRoundRobinWithEachTeamOnceAWeek) {
  for (int n = 4; n <= 34; n += 2) {
    SCOPED_TRACE("teams " + std::to_string(n));
    const auto weeks = StandardSchedule(n);
    ASSERT_EQ(weeks.size(), static_cast<std::size_t>(n - 1));
    std::set<std::pair<int, int>> met;
    for (const auto& week : weeks) {
      ASSERT_EQ(week.size(), static_cast<std::size_t>(n));
      std::vector<int> sorted = week;
      std::sort(sorted.begin(), sorted.end());
      for (int t = 1; t <= n; ++t) EXPECT_EQ(sorted[t - 1], t);  // each team exactly once
      for (int p = 0; p < n; p += 2) {
        auto pair = std::minmax(week[p], week[p + 1]);
        EXPECT_TRUE(met.insert({pair.first, pair.second}).second) << "repeat meeting";
      }
    }
    EXPECT_EQ(met.size(), static_cast<std::size_t>(n * (n - 1) / 2));  // every pair met once
  }
}

// n - 1 games over n/2 lane pairs: the best is one or two games on every pair. With 4 teams
// that cannot be done (the three lane-0 games would have to form a path a-b-c-d, whose first
// and last edges fall in the same week), so one team plays all three games on one pair.
TEST(ScheduleGenerator, LanePairsAreSpreadAsEvenlyAsTheCountAllows) {
  for (int n = 4; n <= 34; n += 2) {
    SCOPED_TRACE("teams " + std::to_string(n));
    const LaneSpread spread = MeasureLanes(StandardSchedule(n), n);
    if (n == 4) {
      EXPECT_LE(spread.most, 3);
    } else if (n == 22 || n == 28 || n == 34) {
      // The search comes within one game of it: every pair at least once, at most three times.
      EXPECT_EQ(spread.fewest, 1);
      EXPECT_LE(spread.most, 3);
    } else {
      EXPECT_EQ(spread.fewest, 1);
      EXPECT_EQ(spread.most, 2);
    }
  }
}

TEST(ScheduleGenerator, EachTeamTakesTheOddSlotAboutHalfTheTime) {
  for (int n = 4; n <= 34; n += 2) {
    std::vector<int> odd(n + 1, 0);
    for (const auto& week : StandardSchedule(n))
      for (int slot = 0; slot < n; slot += 2) ++odd[week[slot]];
    for (int t = 1; t <= n; ++t) {
      EXPECT_GE(odd[t], (n - 2) / 2) << n << " teams, team " << t;
      EXPECT_LE(odd[t], n / 2) << n << " teams, team " << t;
    }
  }
}

// A season repeats the round robin: week w plays the matches of round w mod (n - 1), each
// repetition one lane pair further on with the sides swapped every other time, so every lane pair
// is used as evenly over the season as in one round.
TEST(ScheduleGenerator, SeasonRepeatsTheRoundOnTheNextLanePair) {
  for (int n = 4; n <= 34; n += 2) {
    SCOPED_TRACE(n);
    const auto round = StandardSchedule(n);
    const auto season = SeasonSchedule(n);
    ASSERT_EQ(season.size(), 52u);
    const int pairs = n / 2;
    for (int w = 0; w < 52; ++w) {
      const int repeat = w / (n - 1);
      const auto& base = round[static_cast<std::size_t>(w % (n - 1))];
      for (int p = 0; p < pairs; ++p) {
        const int q = (p + repeat) % pairs;
        int a = season[w][2 * q], b = season[w][2 * q + 1];
        if (repeat % 2) std::swap(a, b);
        ASSERT_EQ(a, base[2 * p]);
        ASSERT_EQ(b, base[2 * p + 1]);
      }
    }
  }
  // Four teams, week 4 (0-based 3) is round 0 moved to the other lane pair with sides swapped.
  const auto four = SeasonSchedule(4);
  const auto one = StandardSchedule(4);
  EXPECT_EQ(four[3][0], one[0][3]);
  EXPECT_EQ(four[3][1], one[0][2]);
  EXPECT_EQ(four[3][2], one[0][1]);
  EXPECT_EQ(four[3][3], one[0][0]);
}

TEST(ScheduleGenerator, FileHoldsEveryCountInTheWriteFormat) {
  const std::string file = ShippedScheduleFile();
  SeqReader in(file);
  in.text();
  for (int n = 4; n <= 34; n += 2) {
    EXPECT_EQ(in.integer(), 52);
    EXPECT_EQ(in.text(), TemplateText(SeasonSchedule(n)));
  }
  EXPECT_EQ(in.error(), kErrNone);
  EXPECT_TRUE(in.atEnd());
  // Eight teams: week count, then 52 x 8 characters in quotes, on a CRLF line.
  std::string line8 = "52,\"" + TemplateText(SeasonSchedule(8)) + "\"\r\n";
  EXPECT_NE(file.find("\r\n" + line8), std::string::npos);
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 17);
}

TEST(ScheduleGenerator, ShippedFileIsTheGeneratedOneAndParses) {
  std::string shipped;
  ASSERT_EQ(ReadWholeFile(std::string(TALLMARK_BUILD_DATA_DIR) + "/SCHEDULE.DAT", shipped), 0);
  EXPECT_EQ(shipped, ShippedScheduleFile());

  test::ScriptedUserIO io;
  for (int n = 4; n <= 34; n += 2) {
    InitLeagueData();
    lg.ProgramPath = std::string(TALLMARK_BUILD_DATA_DIR) + "/";
    lg.NumTeams = static_cast<Integer>(n);
    lg.CurrentWeek = 2;
    ASSERT_TRUE(ReadScheduleTemplate());
    EXPECT_EQ(lg.ScheduleTemplate, 52);
    EXPECT_EQ(lg.ScheduleEachWeek, False);
    EXPECT_EQ(lg.ScheduleWeek, 2);
    const auto weeks = SeasonSchedule(n);
    for (int w = 0; w < 52; ++w)
      for (int s = 1; s <= n; ++s) ASSERT_EQ(TemplateTeam(lg.ScheduleText, n, w, s), weeks[w][s - 1]);
  }
  EXPECT_EQ(io.errorsReported(), 0);
}

}  // namespace
}  // namespace tallmark
