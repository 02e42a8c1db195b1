#include "shell/gui/Forms.h"

#include <QHash>

#include "graphs/gui/Graph_Form.h"
#include "league/LeagueData.h"
#include "league/gui/FormHelpers.h"
#include "league/gui/ReportPrinter.h"
#include "processing/gui/ResultsForm.h"
#include "processing/gui/ScoringForm.h"
#include "reports/ReportTypes.h"
#include "reports/gui/Report_Form.h"
#include "setup/gui/ParametersForm.h"
#include "setup/gui/ScheduleForm.h"
#include "setup/gui/ScoresEditForm.h"
#include "setup/gui/SportsForm.h"
#include "setup/gui/StatsEditForm.h"
#include "setup/gui/TeamForm.h"
#include "setup/gui/TipDialog.h"
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
  if (name == QLatin1String("Scores_Edit_Form")) {
    RunScoresEditForm(parent);
    return;
  }
  if (name == QLatin1String("Stats_Edit_Form")) {
    RunStatsEditForm(parent);
    return;
  }
  static const QHash<QString, int (*)(QWidget*)> setupForms = {
      {QStringLiteral("SplitSeason_Form"), RunSplitSeasonForm},
      {QStringLiteral("Awards_Form"), RunAwardsForm},
      {QStringLiteral("Custom_Awards_Form"), RunCustomAwardsForm},
      {QStringLiteral("Classification_Form"), RunClassificationForm},
      {QStringLiteral("Names_Form"), RunNamesForm},
      {QStringLiteral("Bulletin_Form"), RunBulletinForm},
      {QStringLiteral("Extra_Statistics_Form"), RunExtraStatisticsForm}};
  if (auto run = setupForms.value(name)) {
    run(parent);
    return;
  }
  if (name == QLatin1String("Graph_Form")) {
    graphs::RunGraphForm(parent, lg.GraphNumber, ReportPrinter());
    return;
  }
  // The report window, for the report types that are built.
  const reports::ReportType* report = reports::FindReportType(lg.ReportNumber);
  if (name == QLatin1String("Report_Form") && report && report->build) {
    reports::RunReportWindow(parent, lg.ReportNumber);
    return;
  }
  ShowNotAvailable(parent, title);
}

}  // namespace tallmark
