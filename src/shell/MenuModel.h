// The main window's menus as data: every menu and entry with its caption, check mark and enabled
// state, and the rules that enable them by the state of the league. The window only shows it.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace tallmark {

// Menu arrays of the main window; each entry array keeps its indices, separators included.
enum class MenuId : int {
  File,                 // "&File"
  FileExport,           // "&Export..."
  FileExportAverages,   // "&Averages..."
  Edit,                 // "&Edit"
  Setup,                // "&Setup"
  Reports,              // "&Reports"
  ReportsStanding,      // "&1 Standing Sheet..."
  ReportsResults,       // "&3 Results..."
  ReportsSchedule,      // "&8 Schedule"
  Graph,                // "&Graphs"
  Option,               // "&Option"
  OptionPrintTo,        // "&Print To..."
  Help,                 // "&Help"
};
constexpr int kMenuCount = 13;

struct MenuEntry {
  std::string caption;      // empty for a separator
  bool enabled = true;
  bool checkable = false;
  bool checked = false;
  MenuId submenu = MenuId::File;
  bool hasSubmenu = false;

  bool separator() const { return caption.empty(); }
};

struct Menu {
  std::string name;       // the array's name, e.g. "MenuFileStep"
  std::string caption;    // the title on the menu bar, or of the entry that opens it
  bool onMenuBar = false;
  std::vector<MenuEntry> entries;
};

// Indices of entries used by the rules and the window.
namespace menu {
enum File : int { kNew = 0, kOpen = 1, kSave = 2, kSaveAs = 3, kBackup = 5, kRestore = 6,
                  kExport = 8, kPublish = 9, kMail = 10, kExit = 12 };
enum Edit : int { kUndo = 0, kCut = 2, kCopy = 3, kPaste = 4, kBulletin = 6, kWeeklyScores = 7,
                  kStatistics = 9, kRawScores = 10, kUndoWeek = 12, kReprocess = 13 };
enum Setup : int { kScoring = 0, kSplitSeason = 1, kAwards = 2, kTeams = 3, kCustomAwards = 4,
                   kClassifications = 5, kLanes = 6, kNames = 7, kExtraStats = 8,
                   kNewSeason = 10, kSportInfo = 12 };
enum Reports : int { kStandingSheet = 0, kSummary = 1, kResults = 2, kRankings = 3,
                     kLeagueOptions = 4, kSpecialAwards = 5, kRosters = 6, kSchedule = 7,
                     kAverages = 8, kTreasurer = 9 };
enum Option : int { kAutoBackup = 0, kToolTips = 1, kPrintTo = 2, kPrinterSetup = 3,
                    kPrintMargins = 4, kAwardPopups = 5 };
enum PrintTo : int { kScreen = 0, kPrinter = 1, kFile = 2 };
enum Help : int { kContents = 0, kSearch = 1, kAbout = 3 };
}  // namespace menu

class MenuModel {
 public:
  // Every menu with its entries in their state at program start.
  MenuModel();

  Menu& menu(MenuId id) { return menus_[static_cast<int>(id)]; }
  const Menu& menu(MenuId id) const { return menus_[static_cast<int>(id)]; }
  MenuEntry& entry(MenuId id, int index) { return menu(id).entries.at(index); }
  const MenuEntry& entry(MenuId id, int index) const { return menu(id).entries.at(index); }
  // The menus of the menu bar, left to right.
  static const std::array<MenuId, 7>& MenuBar();

 private:
  std::array<Menu, kMenuCount> menus_;
};

// Enables and disables the entries that depend on the league: loaded, CurrentWeek against
// StartWeek, CurrentSession against NumSessions, FeeUnit.
void UpdateMenus(MenuModel& menus, bool loaded);
// The menu states the start-up sets after the league is loaded.
void StartUpMenus(MenuModel& menus);
// Sets the check marks of the four option entries from the flags.
void SetOptionChecks(MenuModel& menus);

// Toggles the option flag of an "&Option" entry (0, 1, 4 or 5) and its check mark.
void ToggleOption(MenuModel& menus, int index);

// Chooses a "&Print To..." entry. Returns true when the print set-up dialog is to be shown
// (a change to "&Printer").
bool ChoosePrintTo(MenuModel& menus, int index);

// The print set-up dialog's result, taken into the print settings.
struct PrintSetupChoice {
  int copies = 1;
  bool pageRange = false;
  int fromPage = 1;
  int toPage = 1;
  bool toFile = false;
};
void ApplyPrintSetup(const PrintSetupChoice& choice);

}  // namespace tallmark
