// A small league on disk for the tests of creating, saving and copying leagues.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "league/LeagueData.h"
#include "league/FileSystem.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark::test {

class LeagueManagementTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    lg.AutoBackup = False;
    test::BuildTestLeague(dir.path(), "LEAGUE", 3);
  }
  std::string league(const std::string& ext) const { return dir.file("LEAGUE" + ext); }

  test::TempDir dir;
  test::ScriptedUserIO io;
};

// The value of record p, column c of session s in a statistics file.
inline float StoredStat(const std::string& path, int session, int p, int c) {
  unsigned char buf[4];
  RecordFile(path, 4).read((session - 1) * 58800 + 1 + p * 28 + c, buf);
  return GetSingle(buf);
}

}  // namespace tallmark::test
