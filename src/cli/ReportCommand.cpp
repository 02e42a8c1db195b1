// tallmark-cli report: the standing sheet as the report window's file destination writes it, or
// as a PDF printed through the same engine.
#include <cstdio>

#include "cli/Commands.h"
#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "reports/FixedPageDevice.h"
#include "reports/PdfPageDevice.h"
#include "reports/ReportEngine.h"
#include "reports/StandingSheet.h"

namespace tallmark::cli {

namespace {

bool EndsWithNoCase(const std::string& text, const std::string& end) {
  return text.size() >= end.size() &&
         UpperAscii(text.substr(text.size() - end.size())) == UpperAscii(end);
}

std::string TextReport(bool condensed, bool extra) {
  reports::FixedPageDevice device;
  reports::ReportEngine engine(device, reports::Destination::File, lg.PrintMargins != 0);
  reports::RunPasses(engine, device, 1, [&](reports::ReportEngine& e) {
    reports::BuildStandingSheet(e, condensed, extra);
  });
  return engine.fileText();
}

bool PdfReport(const std::string& path, bool condensed, bool extra) {
  reports::PdfPageDevice device(path);
  reports::ReportEngine engine(device, reports::Destination::Printer, lg.PrintMargins != 0);
  return reports::RunPasses(engine, device, 1, [&](reports::ReportEngine& e) {
           reports::BuildStandingSheet(e, condensed, extra);
         }) == 1;
}

int RunReport(const std::vector<std::string>& args) {
  Args a(args);
  const std::string out = a.option("-o");
  const std::string pdf = a.option("--pdf");
  const bool extra = a.flag("--extra-stats");
  a.finish();
  const std::vector<std::string> rest = a.positional();
  if (a.bad()) return UsageError("report", a.problem());
  if (rest.size() != 2) return UsageError("report");
  if (rest[1] != "standing" && rest[1] != "condensed")
    return UsageError("report", "the report is standing or condensed");
  if (!out.empty() && !EndsWithNoCase(out, ".txt"))
    return UsageError("report", "The file name must use the extension .TXT");
  if (!OpenLeagueFile(rest[0])) return kExitFailure;
  const bool condensed = rest[1] == "condensed";

  if (!pdf.empty() && !PdfReport(pdf, condensed, extra))
    return Failure("cannot write " + pdf);
  if (!out.empty() || pdf.empty()) {
    const std::string text = TextReport(condensed, extra);
    if (out.empty()) {
      std::fwrite(text.data(), 1, text.size(), stdout);
    } else if (int err = WriteFileAtomic(out, text); err != 0) {
      return Failure("cannot write " + out + ": " + ErrorDescription(err));
    }
  }
  return kExitOk;
}

const CommandRegistration kReport({"report",
                                   "LEAGUE.CFG standing|condensed [--extra-stats] [-o FILE.txt] "
                                   "[--pdf FILE.pdf]",
                                   "the weekly standing sheet as a text file (standard output when "
                                   "no file is named) or a PDF",
                                   RunReport});

}  // namespace

}  // namespace tallmark::cli
