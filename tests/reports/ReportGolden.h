// Report texts as the file destination writes them, and their comparison with files checked by
// hand (tests/data/reports). Set TALLMARK_UPDATE_GOLDEN=1 to rewrite the files after a deliberate
// change, and check the difference by eye.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "league/FileSystem.h"
#include "reports/FixedPageDevice.h"
#include "reports/ReportEngine.h"
#include "reports/ReportTypes.h"

namespace tallmark::test {

inline std::string ReportText(int type, const reports::ReportChoices& choices,
                              bool margins = true) {
  reports::FixedPageDevice device;
  reports::ReportEngine engine(device, reports::Destination::File, margins);
  reports::RunPasses(engine, device, 1,
                     [&](reports::ReportEngine& e) { reports::BuildReport(e, type, choices); });
  return engine.fileText();
}

// Lines of a file text, without their CR LF.
inline std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// Compares line by line and names the first line that differs.
inline void ExpectGoldenLines(const std::string& name, const std::string& text) {
  const std::string path = std::string(TALLMARK_TEST_DATA_DIR) + "/reports/" + name + ".txt";
  if (std::getenv("TALLMARK_UPDATE_GOLDEN")) {
    ASSERT_EQ(WriteFileAtomic(path, text), 0);
    return;
  }
  std::string golden;
  ASSERT_EQ(ReadWholeFile(path, golden), 0) << path;
  const std::vector<std::string> want = TextLines(golden), got = TextLines(text);
  for (std::size_t i = 0; i < std::min(want.size(), got.size()); ++i)
    ASSERT_EQ(got[i], want[i]) << name << " line " << i + 1;
  EXPECT_EQ(got.size(), want.size()) << name;
  EXPECT_EQ(text, golden) << name;
}

}  // namespace tallmark::test
