// Opening the windows of the main menu by their names ("Scoring_Form", "Results_Form"...).
// Each window's issue adds its case to OpenForm; until then the window says it is not
// available yet.
#pragma once

#include <QString>

class QWidget;

namespace tallmark {

// Loads the window, centres it and shows it modally. Returns when it is closed.
void OpenForm(const QString& name, const QString& title, QWidget* parent);

}  // namespace tallmark
