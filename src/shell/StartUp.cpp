#include "shell/StartUp.h"

#include <array>

#include "league/ConfigFile.h"
#include "league/FileTransaction.h"
#include "league/LeagueDamage.h"
#include "league/LeagueData.h"
#include "shell/ProgramOptions.h"
#include "common/UserIO.h"

namespace tallmark {

std::string WindowTitle() { return "Tallmark (" + lg.VersionString + ")"; }

// Passes everything on to the UserIO it replaced and counts the error handler's reports.
class ErrorWatch::Proxy final : public ForwardingUserIO {
 public:
  explicit Proxy(bool quiet = false) : quiet_(quiet) {}

  MsgAnswer message(const std::string& text, const std::string& title, MsgButtons buttons,
                    MsgIcon icon, std::optional<MsgAnswer> defaultAnswer) override {
    if (title == "PROGRAM ERROR!") {
      ++errors;
      if (quiet_) return MsgAnswer::Ok;  // counted, not shown: the user has seen it once
    }
    return ForwardingUserIO::message(text, title, buttons, icon, defaultAnswer);
  }

  int errors = 0;

 private:
  bool quiet_;
};

ErrorWatch::ErrorWatch(bool quiet) : proxy_(new Proxy(quiet)) {}
ErrorWatch::~ErrorWatch() { delete proxy_; }
int ErrorWatch::errors() const { return proxy_->errors; }

void CloseUnreadableLeague() {
  std::string files = lg.DataPath + lg.FileName;
  const std::array<Integer, 9> kept = {lg.AutoBackup,     lg.ToolTips,    lg.PrintMargins,
                                       lg.AwardPopups,    lg.PrintToPrinter, lg.PrintToFile,
                                       lg.PrintCopies,    lg.PrintFromPage, lg.PrintToPage};
  InitLeagueData();
  std::array<Integer*, 9> flags = {&lg.AutoBackup,     &lg.ToolTips,    &lg.PrintMargins,
                                   &lg.AwardPopups,    &lg.PrintToPrinter, &lg.PrintToFile,
                                   &lg.PrintCopies,    &lg.PrintFromPage, &lg.PrintToPage};
  for (std::size_t i = 0; i < kept.size(); ++i) *flags[i] = kept[i];
  MsgBox("The league files " + files +
             " could not be read completely, so the league has not been opened." + NewLine +
             NewLine +
             "Its files are left as they are. Open the league again once the problem is "
             "solved, or restore a backup of it.",
         {}, MsgIcon::Exclamation);
}

bool LoadLeagueSafely() {
  int errors = 0;
  {
    ErrorWatch watch;
    LoadLeague();
    errors = watch.errors();
  }
  if (errors > 0 && LeagueOpen()) CloseUnreadableLeague();
  return LeagueOpen();
}

void GuardLeagueLoad(const std::function<void()>& operation) {
  int errors = 0;
  {
    ErrorWatch watch;
    operation();
    errors = watch.errors();
  }
  if (errors == 0 || !LeagueOpen()) return;
  // The errors may have come from another step (saving the league closed before): read the
  // league now open again to see whether it is whole.
  int rereadErrors = 0;
  {
    ErrorWatch quiet(true);
    LoadLeague();
    rereadErrors = quiet.errors();
  }
  if (rereadErrors > 0 && LeagueOpen()) CloseUnreadableLeague();
}

void StartUpLeague(MenuModel& menus) {
  InitLeagueData();
  ReadProgramOptions();
  SetOptionChecks(menus);
  LoadLeagueSafely();
  WarnOfLeagueDamage();
  UpdateMenus(menus, LeagueOpen());
  StartUpMenus(menus);
}

void WarnOfLeagueDamage() {
  const std::vector<Damage> damage = FindLeagueDamage();
  if (!damage.empty()) MsgBox(DamageWarning(damage), {}, MsgIcon::Exclamation);
}

void ExitProgramSteps(const std::function<void()>& offerBackup) {
  if (LeagueOpen() && !WritesRefused()) {  // a league open read-only has nothing to save
    if (offerBackup) offerBackup();
    SaveLeague();
  }
  WriteProgramOptions();
}

}  // namespace tallmark
