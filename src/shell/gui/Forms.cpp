#include "shell/gui/Forms.h"

#include "shell/gui/AboutForm.h"
#include "shell/gui/FormHelpers.h"

namespace tallmark {

namespace {

void ShowModal(QDialog& form) {
  form.adjustSize();
  CenterForm(&form);
  form.exec();
}

}  // namespace

void OpenForm(const QString& name, const QString& title, QWidget* parent) {
  if (name == QLatin1String("About_Form")) {
    AboutForm form(parent);
    ShowModal(form);
    return;
  }
  ShowNotAvailable(parent, title);
}

}  // namespace tallmark
