#include "setup/gui/TipDialog.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/Text.h"
#include "processing/gui/SpinTextBox.h"
#include "league/gui/FormHelpers.h"

namespace tallmark {

TipDialog::TipDialog(QWidget* parent, const char* objectName, const std::string& title)
    : QDialog(parent) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(Show(title));
  tip_ = MakeTipLabel(this, true);
}

QString TipDialog::Show(const std::string& text) {
  return QString::fromStdString(Cp1252ToUtf8(text));
}

std::string TipDialog::Typed(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

void TipDialog::addTip(QWidget* control, const std::string& text) {
  tips_[control] = Show(text);
  control->setAccessibleDescription(tips_[control]);
  control->installEventFilter(this);
  for (QWidget* child : control->findChildren<QWidget*>()) {
    tips_[child] = tips_[control];
    child->installEventFilter(this);
  }
}

bool TipDialog::eventFilter(QObject* watched, QEvent* event) {
  auto tip = tips_.find(watched);
  if (tip != tips_.end() && event->type() == QEvent::Enter) {
    ShowToolTip(tip_, static_cast<QWidget*>(watched), tip->second, kTipBelowLeft);
    tip_->raise();
  } else if (tip != tips_.end() && event->type() == QEvent::Leave) {
    tip_->hide();
  }
  return QDialog::eventFilter(watched, event);
}

SpinTextBox* TipDialog::makeSpin(std::function<Integer(const std::string&, Integer)> enter,
                                 std::function<void()> changed) {
  auto* spin = new SpinTextBox;
  auto apply = [spin, enter, changed](Integer step) {
    const Integer value = enter(Typed(spin->text()), step);
    spin->setText(QString::number(value));
    if (changed) changed();
  };
  connect(spin, &SpinTextBox::stepped, this, [apply](int step) { apply(static_cast<Integer>(step)); });
  connect(spin, &SpinTextBox::left, this, [apply] { apply(0); });
  return spin;
}

QPushButton* TipDialog::makeButton(const QString& caption, const QString& name,
                                   const std::string& tip) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAutoDefault(false);
  if (!tip.empty()) addTip(button, tip);
  return button;
}

void TipDialog::commitFocusedBox() {
  QWidget* focused = focusWidget();
  for (SpinTextBox* spin : findChildren<SpinTextBox*>())
    if (spin->edit() == focused) emit spin->left();
}

}  // namespace tallmark
