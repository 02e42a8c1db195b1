#include "league/gui/FormHelpers.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QEvent>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include "league/LeagueData.h"
#include "common/Text.h"

namespace tallmark {

QString FromLeagueText(const std::string& text) {
  return QString::fromStdString(Cp1252ToUtf8(text));
}

std::string ToLeagueText(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

QString FromPath(const std::string& path) { return QString::fromStdString(path); }

std::string ToPath(const QString& path) { return path.toStdString(); }

void CenterForm(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect area = screen->availableGeometry();
  QSize size = window->frameGeometry().size();
  window->move(area.left() + (area.width() - size.width()) / 2,
               area.top() + (area.height() - size.height()) / 2);
}

void FitToScreen(QWidget* window, QSize wanted) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) {
    window->resize(wanted);
    return;
  }
  const QRect room = screen->availableGeometry();
  // The frame's room: a title bar and borders a window manager adds outside the window.
  const QSize size = wanted.boundedTo(QSize(room.width() - 16, room.height() - 48));
  window->resize(size);
  window->move(room.center() - QPoint(size.width() / 2, size.height() / 2 + 12));
}

QLabel* MakeTipLabel(QWidget* parent, bool wordWrap) {
  auto* tip = new QLabel(parent);
  tip->setObjectName(QStringLiteral("TipLabel"));
  tip->setWordWrap(wordWrap);
  tip->setStyleSheet(QStringLiteral(
      "background-color: #ffffe1; color: black; border: 1px solid black; padding: 2px;"));
  tip->hide();
  return tip;
}

void ShowToolTip(QLabel* tip, QWidget* control, const QString& text, int placement) {
  if (lg.ToolTips != True || !tip || !control) return;
  tip->setText(text);
  tip->adjustSize();
  QWidget* parent = tip->parentWidget();
  QPoint origin = control->pos();
  if (parent && parent->isAncestorOf(control))
    origin = control->mapTo(parent, QPoint(0, 0));
  else if (parent)
    origin = parent->mapFromGlobal(control->mapToGlobal(QPoint(0, 0)));
  int left = origin.x() + (placement == kTipBelowMiddle ? control->width() / 2 : 0);
  int top = origin.y() + control->height();
  tip->move(left, top);
  tip->raise();
  tip->setVisible(true);
}

void ShowNotAvailable(QWidget* parent, const QString& title) {
  QDialog box(parent);
  box.setObjectName("NotAvailable_Form");
  box.setWindowTitle(title);
  auto* layout = new QVBoxLayout(&box);
  auto* text = new QLabel(
      QStringLiteral("\"%1\" is not available in this version yet.").arg(title), &box);
  text->setObjectName("Label1");
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  layout->addWidget(buttons);
  box.adjustSize();
  CenterForm(&box);
  box.exec();
}

QString PlainCaption(const QString& caption) {
  QString plain;
  for (int i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    plain += caption[i];
  }
  if (plain.endsWith("...")) plain.chop(3);
  return plain;
}

namespace {

QString LabelBeside(QWidget* control) {
  QWidget* parent = control->parentWidget();
  if (!parent) return {};
  const QRect at = control->geometry();
  QLabel* best = nullptr;
  for (QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    const QRect l = label->geometry();
    if (label->text().trimmed().isEmpty() || l.right() > at.left() ||
        std::abs(l.center().y() - at.center().y()) > at.height() / 2 + 2)
      continue;
    if (!best || l.right() > best->geometry().right()) best = label;
  }
  return best ? best->text() : QString();
}

// The control's own caption, or that of the box it is part of (a spin box's text line).
QString NameFor(QWidget* control, QWidget* window) {
  for (QWidget* c = control; c && c != window; c = c->parentWidget()) {
    for (QLabel* label : window->findChildren<QLabel*>())
      if (label->buddy() == c && !label->text().trimmed().isEmpty()) return label->text();
    if (QString beside = LabelBeside(c); !beside.isEmpty()) return beside;
    for (const QString& tip : {c->property("tip").toString(), c->accessibleDescription(), c->toolTip()})
      if (!tip.isEmpty()) return tip;
    if (auto* frame = qobject_cast<QGroupBox*>(c); frame && !frame->title().isEmpty())
      return frame->title();
  }
  return {};
}

class ControlNamer : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
      auto* w = static_cast<QWidget*>(watched);
      if (w->isWindow()) NameControls(w);
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void NameControls(QWidget* window) {
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->accessibleName().isEmpty()) continue;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    if (face && !face->text(QAccessible::Name).trimmed().isEmpty()) continue;
    const QString name = PlainCaption(NameFor(w, window)).simplified();
    if (!name.isEmpty()) w->setAccessibleName(name.endsWith(':') ? name.chopped(1) : name);
  }
}

void NameControlsOfEveryWindow() {
  static ControlNamer* namer = nullptr;
  if (namer || !qApp) return;
  namer = new ControlNamer(qApp);
  qApp->installEventFilter(namer);
}

}  // namespace tallmark
