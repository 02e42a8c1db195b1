#include "reports/ReportEngine.h"

#include <algorithm>
#include <cmath>

#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "common/UserIO.h"

namespace tallmark::reports {

namespace {
constexpr int kScreenWidth = 65;   // characters across the window at the base size
constexpr int kMarginLength = 10;  // blanks of the left margin when printing with margins

// Whole-number conversion of the room left on a page (halves go to the even neighbour).
long WholeNumber(double value) { return std::lround(std::nearbyint(value)); }
}  // namespace

ReportEngine::ReportEngine(PageDevice& device, Destination destination, bool margins,
                           ScreenPager* pager)
    : device_(device), destination_(destination), pager_(pager) {
  int baseWidth = kScreenWidth;
  if (printing()) {
    if (margins) marginText_ = std::string(kMarginLength, ' ');
    baseWidth = static_cast<int>(marginLength() * 1.5 + kScreenWidth);
  }
  device_.setFontSize(FitFontSize(device_, baseWidth));
  baseSize_ = currentSize_ = device_.fontSize();
  recomputeSpaces();
}

void ReportEngine::setPageRange(int fromPage, int toPage) {
  fromPage_ = fromPage;
  toPage_ = toPage;
}

void ReportEngine::recomputeSpaces() {
  const double ratio = currentSize_ > 0 ? baseSize_ / currentSize_ : 1.0;
  marginSpaces_.assign(static_cast<std::size_t>(marginLength() * ratio), ' ');
  paddingSpaces_.assign(static_cast<std::size_t>(80 * ratio), ' ');
}

void ReportEngine::SetReportWidth(int chars) {
  if (chars > 0) {
    const int n = printing() ? static_cast<int>(marginLength() * 1.5) + chars : chars;
    device_.setFontSize(FitFontSize(device_, n));
    currentSize_ = device_.fontSize();
  } else {
    device_.setFontSize(currentSize_);
  }
  recomputeSpaces();
}

void ReportEngine::ResetReportFont() { device_.setFontSize(baseSize_); }

const std::string& ReportEngine::noteDamage(const std::string& notice) {
  if (std::find(damageNotes_.begin(), damageNotes_.end(), notice) == damageNotes_.end())
    damageNotes_.push_back(notice);
  return notice;
}

void ReportEngine::UseBaseFont() {
  currentSize_ = baseSize_;
  device_.setFontSize(baseSize_);
  recomputeSpaces();
}

void ReportEngine::send(const std::string& text) {
  switch (destination_) {
    case Destination::Screen:
      device_.drawText(y_, text);
      break;
    case Destination::Printer:
      if (inRange()) {
        if (sheetPage_ != 0 && (sheetPass_ != pass_ || sheetPage_ != pageNumber_))
          device_.newSheet();
        sheetPass_ = pass_;
        sheetPage_ = pageNumber_;
        device_.drawText(y_, text);
      }
      break;
    case Destination::File:
      if (inRange()) {
        fileText_ += text;
        fileText_ += NewLine;
      }
      break;
  }
  y_ += device_.textHeight();
}

void ReportEngine::PrintLine(const std::string& text) {
  if (aborted_) return;
  send(text);
  if (destination_ == Destination::Screen) pageUntouched_ = false;
  lastLine_ = text;
  checkPageEnd();
}

void ReportEngine::BlankLines(int n) {
  for (int i = 0; i < n && !aborted_; ++i) {
    send(printing() ? marginText_ : std::string());
    lastLine_ = printing() ? marginText_ : std::string();
    checkPageEnd();
    if (lineCount_ == 1) return;
  }
}

void ReportEngine::checkPageEnd() {
  const double line = device_.textHeight();
  double room = 0;
  if (destination_ == Destination::File)
    room = device_.scaleHeight() - (lineCount_ + 1) * line;
  else
    room = device_.scaleHeight() - y_ - line;
  if (WholeNumber(room) > 0) {
    ++lineCount_;
    return;
  }
  pageFull();
}

void ReportEngine::pageFull() {
  if (destination_ == Destination::Screen) runPager();
  if (pageNumber_ > 0) NewPage();
  lineCount_ = 1;
}

void ReportEngine::runPager() {
  PagerCommand command = PagerCommand::None;
  if (pageUntouched_) {
    // Nothing but blank lines since the window was cleared: go on without stopping, and count
    // the page again.
    command = PagerCommand::NextPage;
    --pageNumber_;
  } else {
    ShowNormal();
    command = pager_ ? pager_->waitAtPageEnd() : PagerCommand::NextPage;
    ShowBusy();
  }
  if (command == PagerCommand::Close) aborted_ = true;
  if (command == PagerCommand::PrintPage && pager_) pager_->printVisiblePage();
}

void ReportEngine::NewPage() {
  if (pageNumber_ > 0 && destination_ == Destination::File && inRange() &&
      lastLine_ != FormFeed) {
    fileText_ += FormFeed;
    fileText_ += NewLine;
    lastLine_ = FormFeed;
  }
  if (destination_ == Destination::Screen) device_.newSheet();
  ++pageNumber_;
  lineCount_ = 1;
  y_ = 0;
  pageUntouched_ = true;
}

void ReportEngine::beginPass() {
  ++pass_;
  pageNumber_ = 0;
  NewPage();
}

void ReportEngine::EndPage() {
  // The page is ended outright rather than by a line count that a small font could still find
  // room under, so that a file always gets its form feed.
  if (aborted_) return;
  y_ = device_.scaleHeight();
  pageFull();
}

void ReportEngine::finishPass() { EndPage(); }

int RunPasses(ReportEngine& engine, PageDevice& device, int passes,
              const std::function<void(ReportEngine&)>& build) {
  int ran = 0;
  for (int copy = 1; copy <= passes; ++copy) {
    lg.CopyNumber = static_cast<Integer>(copy);
    engine.beginPass();
    build(engine);
    ++ran;
    engine.finishPass();
    if (engine.aborted()) break;
  }
  if (ran > 0 && engine.destination() == Destination::Printer && !device.endDocument())
    ReportError(kErrDeviceIO);
  return ran;
}

bool WriteReportFile(const std::string& path, const std::string& text) {
  int err = WriteFileAtomic(path, text);
  if (err != 0) {
    ReportError(err);
    return false;
  }
  MsgBox("The printing to the file name you selected is done.", {}, MsgIcon::Information);
  return true;
}

}  // namespace tallmark::reports
