// The one printer the program prints to: reports, graphs and printed forms.
#pragma once

class QPrinter;

namespace tallmark {

// The printer reports go to. With no printer installed it writes a PDF file (the league's
// folder and base name, ".pdf") instead.
QPrinter& ReportPrinter();

}  // namespace tallmark
