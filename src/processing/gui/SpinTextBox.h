// A whole-number text box with a small up/down spin button beside it. The owner applies the
// range check: stepped(+1/-1) comes from the spin button or the Up and Down keys, left() when
// the box loses the focus to another control.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace tallmark {

class SpinTextBox : public QWidget {
  Q_OBJECT

 public:
  explicit SpinTextBox(QWidget* parent = nullptr);

  QLineEdit* edit() const { return edit_; }
  QString text() const;
  void setText(const QString& text);

 signals:
  void stepped(int step);
  void left();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QToolButton* makeSpinButton(Qt::ArrowType arrow, int step);

  QLineEdit* edit_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace tallmark
