// The addresses kept per league: typed lists parsed or refused, and the settings file's lines
// exactly, other leagues' lines kept.
#include <gtest/gtest.h>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "shell/MailSettings.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

TEST(MailSettings, TypedListsParseOrNameTheFirstBadAddress) {
  struct Case {
    const char* typed;
    bool ok;
    std::string joinedOrProblem;
  };
  const Case cases[] = {
      {"ann@example.org", true, "ann@example.org"},
      {" ann@example.org; bo@x.net,\tcy@y.io  ", true, "ann@example.org, bo@x.net, cy@y.io"},
      {"", true, ""},
      {"ann@example.org, bo", false, "\"bo\" is not an e-mail address."},
      {"a@b@c", false, "\"a@b@c\" is not an e-mail address."},
      {"<ann@example.org>", false, "\"<ann@example.org>\" is not an e-mail address."},
      {"@example.org", false, "\"@example.org\" is not an e-mail address."},
  };
  for (const Case& c : cases) {
    std::vector<std::string> addresses;
    std::string problem;
    EXPECT_EQ(ParseMailAddresses(c.typed, addresses, problem), c.ok) << c.typed;
    EXPECT_EQ(c.ok ? JoinMailAddresses(addresses) : problem, c.joinedOrProblem) << c.typed;
  }
}

TEST(MailSettings, EachLeagueKeepsItsOwnLine) {
  test::TempDir home;
  InitLeagueData();
  lg.ProgramPath = lg.DataPath = home.path();
  ASSERT_EQ(WriteFileAtomic(home.file("MAILTO.INI"), "/other/OTHER.CFG = z@z.org\r\n"), 0);
  lg.FileName = "TUESDAY";
  EXPECT_TRUE(LeagueMailAddresses().empty());
  ASSERT_EQ(SaveLeagueMailAddresses({"ann@example.org", "bo@x.net"}), 0);
  ASSERT_EQ(SaveLeagueMailAddresses({"cy@y.io", "bo@x.net"}), 0);
  std::string text;
  ASSERT_EQ(ReadWholeFile(home.file("MAILTO.INI"), text), 0);
  EXPECT_EQ(text, "/other/OTHER.CFG = z@z.org\r\n" + LeagueBasePath() + ".CFG = cy@y.io, bo@x.net\r\n");
  EXPECT_EQ(LeagueMailAddresses(), (std::vector<std::string>{"cy@y.io", "bo@x.net"}));
  ASSERT_EQ(SaveLeagueMailAddresses({}), 0);
  ASSERT_EQ(ReadWholeFile(home.file("MAILTO.INI"), text), 0);
  EXPECT_EQ(text, "/other/OTHER.CFG = z@z.org\r\n");
}

}  // namespace
}  // namespace tallmark
