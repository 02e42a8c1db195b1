#include "shell/gui/Forms.h"

#include "graphs/gui/Graph_Form.h"
#include "league/LeagueData.h"
#include "league/gui/FormHelpers.h"
#include "league/gui/ReportPrinter.h"
#include "processing/gui/ResultsForm.h"
#include "processing/gui/ScoringForm.h"
#include "reports/gui/Report_Form.h"
#include "setup/gui/ParametersForm.h"
#include "setup/gui/ScheduleForm.h"
#include "setup/gui/SportsForm.h"
#include "setup/gui/TeamForm.h"
#include "shell/gui/AboutForm.h"

namespace tallmark {

namespace {

void ShowModal(QDialog& form) {
  form.adjustSize();
  CenterForm(&form);
  form.exec();
}

}  // namespace

void OpenForm(const QString& name, const QString& title, QWidget* parent) {
  if (name == QLatin1String("About_Form")) {
    AboutForm form(parent);
    ShowModal(form);
    return;
  }
  if (name == QLatin1String("Scoring_Form")) {
    ScoringForm form(parent);
    ShowModal(form);
    return;
  }
  if (name == QLatin1String("Results_Form")) {
    RunResultsForm(parent, ResultsMode::Entry);
    return;
  }
  if (name == QLatin1String("Results_Form_Recap")) {  // the results window on earlier weeks
    RunResultsForm(parent, ResultsMode::Recap);
    return;
  }
  if (name == QLatin1String("Parameters_Form")) {
    RunParametersForm(parent);
    return;
  }
  if (name == QLatin1String("Team_Form")) {
    RunTeamForm(parent);
    return;
  }
  if (name == QLatin1String("Schedule_Form")) {
    RunScheduleForm(parent);
    return;
  }
  if (name == QLatin1String("Sports_Form")) {
    RunSportsForm(parent);
    return;
  }
  if (name == QLatin1String("Graph_Form")) {
    graphs::RunGraphForm(parent, lg.GraphNumber, ReportPrinter());
    return;
  }
  // The report window builds the standing sheets so far.
  if (name == QLatin1String("Report_Form") && (lg.ReportNumber == 1 || lg.ReportNumber == 2)) {
    reports::RunReportWindow(parent, lg.ReportNumber);
    return;
  }
  ShowNotAvailable(parent, title);
}

}  // namespace tallmark
