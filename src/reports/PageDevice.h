// The surface a report is paged on: a window, a printer page or a model of one. The report engine
// asks it for its size, the width and height of text in the font in use, and the font sizes it
// can realize; the destinations that draw also put text on it.
#pragma once

#include <string_view>

namespace tallmark::reports {

class PageDevice {
 public:
  virtual ~PageDevice() = default;

  // The usable area, in the device's own units (the same units as textWidth and textHeight).
  virtual double scaleWidth() const = 0;
  virtual double scaleHeight() const = 0;

  // The size of the monospaced report font, in points. A device may realize a size close to the
  // one asked for; fontSize() reads back what it really uses.
  virtual double fontSize() const = 0;
  virtual void setFontSize(double points) = 0;

  // Width of the text and height of one line, at the current font size.
  virtual double textWidth(std::string_view text) const = 0;
  virtual double textHeight() const = 0;

  // Drawing, for the devices that show or print: text with its top edge at y.
  virtual void drawText(double y, std::string_view text) {}
  // Ends the sheet being drawn and starts a blank one (a printer's next page, a cleared window).
  virtual void newSheet() {}
  // Ends the document; false when the output could not be finished.
  virtual bool endDocument() { return true; }
};

// Fitting the font (font helpers): the font size at which a line of n characters fills the
// device's width. Starts from the size that a 10-point measure predicts, then steps by 0.1 point
// up while the line is narrower and down while it is wider. The device's size is put back.
double FitFontSize(PageDevice& device, int n);

}  // namespace tallmark::reports
