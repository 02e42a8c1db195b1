#include "processing/gui/SpinTextBox.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace tallmark {

SpinTextBox::SpinTextBox(QWidget* parent) : QWidget(parent), edit_(new QLineEdit(this)) {
  edit_->setMaxLength(6);
  edit_->setAlignment(Qt::AlignRight);
  const int digitWidth = edit_->fontMetrics().horizontalAdvance(QStringLiteral("00000"));
  edit_->setFixedWidth(digitWidth + 12);
  edit_->installEventFilter(this);
  setFocusProxy(edit_);

  up_ = makeSpinButton(Qt::UpArrow, 1);
  down_ = makeSpinButton(Qt::DownArrow, -1);
  auto* spin = new QVBoxLayout;
  spin->setContentsMargins(0, 0, 0, 0);
  spin->setSpacing(0);
  spin->addWidget(up_);
  spin->addWidget(down_);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  row->addWidget(edit_);
  row->addLayout(spin);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QToolButton* SpinTextBox::makeSpinButton(Qt::ArrowType arrow, int step) {
  auto* button = new QToolButton(this);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  const int height = edit_->sizeHint().height() / 2;
  button->setFixedSize(height + 4, height);
  button->setIconSize(QSize(height - 4, height - 4));
  connect(button, &QToolButton::clicked, this, [this, step] { emit stepped(step); });
  return button;
}

QString SpinTextBox::text() const { return edit_->text(); }
void SpinTextBox::setText(const QString& text) { edit_->setText(text); }

bool SpinTextBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      emit stepped(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  if (watched == edit_ && event->type() == QEvent::FocusOut) {
    // Switching to another window or a message box is not leaving the box.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit left();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tallmark
