// The sport definitions window: the master list of sports, their terms and parameters.
#pragma once

class QWidget;

namespace tallmark {

// Opens the sports window modally; QDialog::Accepted when the master file was saved.
int RunSportsForm(QWidget* parent);

}  // namespace tallmark
