#include "setup/SampleLeague.h"

#include <filesystem>

#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "setup/NewLeague.h"
#include "setup/SampleParts.h"
#include "common/UserIO.h"

namespace fs = std::filesystem;

namespace tallmark {

namespace {

constexpr std::uint32_t kSeed = 20250902;

// Answers the questions of the operations the build runs (Yes) and keeps their announcements to
// itself; error reports go on to the UserIO in force, and are counted.
class UnattendedIO final : public UserIO {
 public:
  UnattendedIO() : previous_(SetUserIO(this)) {}
  ~UnattendedIO() override { SetUserIO(previous_); }
  UnattendedIO(const UnattendedIO&) = delete;
  UnattendedIO& operator=(const UnattendedIO&) = delete;

  MsgAnswer message(const std::string& text, const std::string& title, MsgButtons buttons,
                    MsgIcon icon) override {
    if (title == "PROGRAM ERROR!" || title == "ABORT AND EXIT") {
      if (title == "PROGRAM ERROR!") ++errors_;
      return previous_ ? previous_->message(text, title, buttons, icon) : MsgAnswer::Ok;
    }
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
                                                                               : MsgAnswer::Ok;
  }
  std::optional<std::string> input(const std::string&, const std::string&,
                                   const std::string& initial) override {
    return initial;
  }
  void beep() override {}
  void showBusy() override {}
  void showNormal() override {}
  void abortProgram() override {
    if (previous_) previous_->abortProgram();
  }
  int errors() const { return errors_; }

 private:
  UserIO* previous_;
  int errors_ = 0;
};

std::string WithSlash(const std::string& folder) {
  return !folder.empty() && folder.back() == '/' ? folder : folder + "/";
}

// A fresh league model for the sample, keeping the program folder and the program's options.
void ResetLeagueData() {
  const std::string program = lg.ProgramPath;
  const Integer backup = lg.AutoBackup, tips = lg.ToolTips, margins = lg.PrintMargins,
                popups = lg.AwardPopups;
  InitLeagueData();
  lg.ProgramPath = program;
  lg.AutoBackup = backup;
  lg.ToolTips = tips;
  lg.PrintMargins = margins;
  lg.AwardPopups = popups;
}

// Every file of the sample league in the folder, found without regard to case.
void RemoveSampleFiles(const std::string& folder) {
  for (const char* ext : {".CFG", ".RST", ".IDS", ".MSG", ".SEA", ".scr", ".STT", ".SPC"}) {
    std::error_code ec;
    fs::remove(FindFileNoCase(folder + kSampleLeagueName + ext), ec);
  }
}

// The new league as the parameters window makes it, then its people.
std::string MakeLeague(const std::string& folder) {
  FillSportsList();
  ChooseSport(0);
  lg.DataPath = folder;
  lg.FileName = kSampleLeagueName;
  if (!CreateLeagueFiles() || !LoadLeague()) return "the league files cannot be created";
  BuildNewLeague({kSampleTeams, kSampleMembers, kSamplePlayers, kSampleSubs, kSampleWeeks, 1});
  if (lg.NumTeams != kSampleTeams || lg.NumLanes != kSampleTeams / 2)
    return "the teams cannot be made";
  if (!sample::FillSchedule()) return "the schedule cannot be made";
  sample::FillRoster();
  if (!SaveLeague()) return "the league cannot be saved";
  return {};
}

std::string PlayWeeks() {
  sample::Dice dice(kSeed);
  for (int w = 1; w <= kSampleWeeksPlayed; ++w) {
    std::string problem = sample::PlayWeek(dice);
    if (!problem.empty()) return problem;
  }
  return {};
}

}  // namespace

SampleOutcome BuildSampleLeague(const std::string& folderGiven) {
  SampleOutcome out;
  const std::string folder = WithSlash(folderGiven);
  out.configPath = folder + kSampleLeagueName + ".CFG";
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    out.result = SampleBuild::NoFolder;
    return out;
  }
  if (FileExists(FindFileNoCase(out.configPath))) {
    out.configPath = FindFileNoCase(out.configPath);
    out.result = SampleBuild::Exists;
    return out;
  }
  if (LeagueOpen()) SaveLeague();
  UnattendedIO io;
  ResetLeagueData();
  out.problem = MakeLeague(folder);
  if (out.problem.empty()) out.problem = PlayWeeks();
  if (out.problem.empty() && io.errors() > 0) out.problem = "a league file could not be written";
  if (!out.problem.empty()) {
    RemoveSampleFiles(folder);
    ResetLeagueData();
    out.result = SampleBuild::Failed;
    return out;
  }
  out.result = SampleBuild::Built;
  return out;
}

}  // namespace tallmark
