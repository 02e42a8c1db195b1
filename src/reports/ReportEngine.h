// The report engine: builders hand it finished lines of monospaced text; it counts lines and
// pages, breaks pages, fits the font to the width a section asks for, and sends each line to the
// screen (paged, waiting for the user at each page end), the printer (a page range, copies) or a
// text file (lines ending in CR LF, a form feed line after every page).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "reports/PageDevice.h"

namespace tallmark::reports {

enum class Destination { Screen, Printer, File };

// What the user chose in the screen pager at a page end.
enum class PagerCommand { None = 0, Close = 1, NextPage = 2, PrintPage = 3 };

// The report window's side of the screen pager.
class ScreenPager {
 public:
  virtual ~ScreenPager() = default;
  // Enables the pager's menus and waits until the user chose one (or pressed a pager key).
  virtual PagerCommand waitAtPageEnd() = 0;
  // Prints the page that is shown ("&Print This Page").
  virtual void printVisiblePage() = 0;
};

class ReportEngine {
 public:
  // device: the window for the screen, the printer page for the printer, and for a file the
  // printer page it is paginated by. margins: the "Printer &Margins" option (ignored on screen).
  ReportEngine(PageDevice& device, Destination destination, bool margins,
               ScreenPager* pager = nullptr);

  // Pages sent to the printer or the file (1-based, inclusive); the screen shows every page.
  void setPageRange(int fromPage, int toPage);

  // --- What builders call ---
  // Sends one line (the builder has put the margin in front of it).
  void PrintLine(const std::string& text);
  // Sends n empty lines (the margin text when printing); stops at a page break.
  void BlankLines(int n);
  // Ends the current page and starts the next.
  void NewPage();
  // Fits the font so that a line of chars characters fills the page; 0 re-applies the current
  // size. Recomputes the margin and padding spaces for the new size.
  void SetReportWidth(int chars);
  // Returns the device to the base font size (the current size is kept for SetReportWidth(0)).
  void ResetReportFont();
  // A forced page end: finishes the page as at the end of a report, so that the next block
  // starts on a new page and the screen pager stops after this one.
  void EndPage();
  // Makes the base size the current size again (a builder's last step).
  void UseBaseFont();
  // A builder prints notice in place of a part of the league that could not be read; the
  // engine keeps each notice once, for the command line to repeat. Returns the notice.
  const std::string& noteDamage(const std::string& notice);
  const std::vector<std::string>& damageNotes() const { return damageNotes_; }

  bool printing() const { return destination_ != Destination::Screen; }
  Destination destination() const { return destination_; }
  int lineCount() const { return lineCount_; }
  int pageNumber() const { return pageNumber_; }
  bool aborted() const { return aborted_; }
  // The margin text (10 blanks when printing with margins, else empty) and its length.
  const std::string& marginText() const { return marginText_; }
  int marginLength() const { return static_cast<int>(marginText_.size()); }
  // The margin and the 80-blank line re-expressed in blanks of the current font.
  const std::string& marginSpaces() const { return marginSpaces_; }
  const std::string& paddingSpaces() const { return paddingSpaces_; }
  double baseFontSize() const { return baseSize_; }
  double currentFontSize() const { return currentSize_; }
  const std::string& lastLine() const { return lastLine_; }

  // --- The run ---
  // One pass (one copy): page number 0, then NewPage for page 1.
  void beginPass();
  // Finishes the last page as if it were full, so that the pager stops on it, the printer ends
  // it and the file gets its closing form feed. Does nothing after an abort.
  void finishPass();

  // What a file destination has received, as the file's bytes.
  const std::string& fileText() const { return fileText_; }

 private:
  bool inRange() const { return pageNumber_ >= fromPage_ && pageNumber_ <= toPage_; }
  void send(const std::string& text);
  void checkPageEnd();
  void pageFull();
  void runPager();
  void recomputeSpaces();

  PageDevice& device_;
  Destination destination_;
  ScreenPager* pager_;
  int fromPage_ = 1;
  int toPage_ = 255;

  int lineCount_ = 1;
  int pageNumber_ = 0;
  double y_ = 0;  // current vertical position on the screen or the printer page
  std::string marginText_;
  std::string marginSpaces_;
  std::string paddingSpaces_;
  double baseSize_ = 10;
  double currentSize_ = 10;
  bool aborted_ = false;
  bool pageUntouched_ = true;
  std::string lastLine_;
  // The printer sheet being drawn holds this pass and page; a line of another page ejects it.
  int sheetPass_ = 0;
  int sheetPage_ = 0;
  int pass_ = 0;
  std::string fileText_;
  std::vector<std::string> damageNotes_;
};

// Runs passes of a report: for each pass beginPass, build, finishPass; stops after an abort.
// Ends the printer's document when printing. Returns the number of passes that ran.
int RunPasses(ReportEngine& engine, PageDevice& device, int passes,
              const std::function<void(ReportEngine&)>& build);

// Writes a file destination's text to path (replacing the file). Reports a failure through the
// common error handler and returns false; on success shows "The printing to the file name you
// selected is done.".
bool WriteReportFile(const std::string& path, const std::string& text);

}  // namespace tallmark::reports
