// The table of report types 1..14: caption titles, the command line's names, the lists of the
// selection panel, the option menus each type asks, and the builder that prints it. The report
// window and the command line both work from this table.
#pragma once

#include <string>
#include <vector>

#include "reports/ReportEngine.h"
#include "reports/ReportSelection.h"

namespace tallmark::reports {

using ReportBuilder = void (*)(ReportEngine& engine, const ReportChoices& choices);

// The option menus of the report window (asked in this order, before the lists are shown).
enum ReportAsk : unsigned {
  kAskTeamsOrPlayers = 1,  // "Report on Teams or Bowlers"; players turn 4 into 11, 5 into 12
  kAskNamesSide = 2,       // "Print Names on Right or Left"
  kAskExtraStats = 4,      // "Include Extra Statistics", only when the league tracks some
  kAskWhoseAverages = 8,   // "Who's Averages"
};

struct ReportType {
  int number;
  const char* cliName;                // name on the command line; empty when it has none
  std::vector<SelectionList> lists;   // the panel's lists, left to right; none: runs at once
  unsigned asks;                      // ReportAsk flags
  ReportBuilder build;                // nullptr while the report is not built yet
};

const std::vector<ReportType>& ReportTypes();
// The type of that number or command-line name; nullptr when there is none.
const ReportType* FindReportType(int number);
const ReportType* FindReportType(const std::string& cliName);

// The caption title of the report window for the type ("Tallmark -- " goes in front).
std::string ReportTitle(int number);

// Runs the type's builder (nothing when it has none) and leaves the base font in force.
void BuildReport(ReportEngine& engine, int number, const ReportChoices& choices);

}  // namespace tallmark::reports
