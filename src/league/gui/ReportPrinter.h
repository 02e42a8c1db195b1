// The one printer the program prints to: reports, graphs and printed forms.
#pragma once

class QPrinter;

namespace tallmark {

// The printer reports go to. With no printer installed it writes a PDF file instead: the open
// league's folder and base name, ".pdf".
QPrinter& ReportPrinter();
// After printing: when the printer wrote a PDF file, tells the user where it is.
void TellPdfFile(const QPrinter& printer);

}  // namespace tallmark
