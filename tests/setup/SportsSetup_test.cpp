#include <gtest/gtest.h>

#include "setup/LeagueFixture.h"
#include "setup/SportsSetup.h"

namespace tallmark {
namespace {

using test::LeagueFixture;

// The parameter boxes are captioned in the selected sport's own words.
TEST(SportsWindowLabels, ParameterLabelsFollowTheSelectedSportsTerms) {
  LeagueFixture f;
  f.build(4, 1, 1, 0, 4);
  SportsSetup s;
  s.load();
  EXPECT_EQ(SportsSetup::termLabel(0), "Sport name");
  EXPECT_EQ(SportsSetup::termLabel(9), "Frame");
  EXPECT_EQ(SportsSetup::termLabel(10), "");
  EXPECT_EQ(s.paramLabel(1), "Most games in a series");
  EXPECT_EQ(s.paramLabel(4), "Pins over average in a game");
  EXPECT_EQ(s.paramLabel(7), "Series pins over series average");
  ASSERT_TRUE(s.addSport());
  s.setTerm(6, "Point");
  s.setTerm(8, "Match");
  EXPECT_EQ(s.paramLabel(1), "Most games in a match");
  EXPECT_EQ(s.paramLabel(5), "Points over average in a game (second level)");
  EXPECT_EQ(s.paramLabel(7), "Match points over match average");
  s.select(0);
  EXPECT_EQ(s.paramLabel(4), "Pins over average in a game");
}

}  // namespace
}  // namespace tallmark
