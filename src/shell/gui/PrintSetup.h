// The printer the reports and graphs print on, and the print set-up dialog of the Option menu.
#pragma once

class QPrinter;
class QWidget;

namespace tallmark {

// The program's one printer: the one the reports print on.
QPrinter& SharedPrinter();

// Shows the print dialog (copies, page range 1..255, print to file) and takes the user's choice
// into PrintCopies, PrintFromPage/PrintToPage and PrintToFile. Cancel changes nothing.
// Returns true when the dialog was accepted.
bool PrintSetup(QWidget* parent);

}  // namespace tallmark
