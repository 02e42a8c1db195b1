// The PDF writer and the standing sheet printed through it.
#include <gtest/gtest.h>

#include <regex>

#include "league/FileSystem.h"
#include "reports/PdfPageDevice.h"
#include "reports/PdfWriter.h"
#include "reports/ReportEngine.h"
#include "reports/StandingSheet.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"
#include "SheetLeague.h"

using namespace tallmark;
using namespace tallmark::reports;

namespace {

// Every cross-reference entry points at the start of its object.
void ExpectXrefMatches(const std::string& pdf) {
  const std::size_t xref = pdf.rfind("\nxref\n") + 1;
  const std::size_t start = std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10));
  ASSERT_EQ(start, xref);
  std::regex entry("(\\d{10}) 00000 n ");
  int object = 1;
  for (std::sregex_iterator it(pdf.begin() + static_cast<long>(xref), pdf.end(), entry), end;
       it != end; ++it, ++object) {
    const std::size_t at = std::stoul((*it)[1]);
    EXPECT_EQ(pdf.compare(at, std::to_string(object).size() + 6, std::to_string(object) + " 0 obj"), 0)
        << "object " << object;
  }
  EXPECT_GT(object, 4);
}

TEST(PdfWriter, PagesOfCourierTextWithEscapes) {
  PdfWriter w(612, 792);
  w.newPage();
  w.text(18, 40, 12, "Smith (Jr.) \\ co   ");
  w.newPage();
  w.text(18, 40, 9.7, "   ");  // blank: nothing drawn
  const std::string pdf = w.document();
  EXPECT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
  EXPECT_NE(pdf.find("/BaseFont /Courier /Encoding /WinAnsiEncoding"), std::string::npos);
  EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
  // Baseline 40 points below the top of a 792-point page.
  EXPECT_NE(pdf.find("BT /F1 12.00 Tf 18.00 752.00 Td (Smith \\(Jr.\\) \\\\ co) Tj ET"),
            std::string::npos);
  EXPECT_EQ(pdf.find("9.70 Tf"), std::string::npos);
  ExpectXrefMatches(pdf);
}

TEST(PdfWriter, StandingSheetPrintsTheSameLinesAsTheFile) {
  test::TempDir dir;
  test::ScriptedUserIO io;
  test::BuildSheetLeague(dir.path());
  PdfPageDevice device(dir.file("sheet.pdf"));
  ReportEngine engine(device, Destination::Printer, true);
  RunPasses(engine, device, 1, [](ReportEngine& e) { BuildStandingSheet(e, false, false); });
  const std::string pdf = device.document();
  ExpectXrefMatches(pdf);
  // Margin and all: the line is drawn as the file has it, at the 12-point base size.
  EXPECT_NE(pdf.find("12.00 Tf 18.00 "), std::string::npos);
  EXPECT_NE(pdf.find("(          PRESIDENT: Cal Fox IS ON Lane 9) Tj"), std::string::npos);
  EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
  EXPECT_TRUE(FileExists(dir.file("sheet.pdf")));
  EXPECT_EQ(io.errorsReported(), 0);
}

}  // namespace
