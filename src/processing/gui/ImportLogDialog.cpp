#include "processing/gui/ImportLogDialog.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/gui/FormHelpers.h"
#include "league/gui/ReportPrinter.h"

namespace tallmark {

ImportLogDialog::ImportLogDialog(const std::string& text, QWidget* parent)
    : QDialog(parent), text_(text) {
  setWindowTitle(QStringLiteral("Import from Lanes"));
  auto* layout = new QVBoxLayout(this);
  LogText = new QPlainTextEdit(this);
  LogText->setReadOnly(true);
  LogText->setLineWrapMode(QPlainTextEdit::NoWrap);
  LogText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  QString shown = QString::fromStdString(text);
  shown.remove(QLatin1Char('\r'));
  LogText->setPlainText(shown);
  layout->addWidget(LogText, 1);
  auto* buttons = new QHBoxLayout;
  PrintButton = new QPushButton(QStringLiteral("&Print"), this);
  SaveButton = new QPushButton(QStringLiteral("&Save..."), this);
  CloseButton = new QPushButton(QStringLiteral("&Close"), this);
  buttons->addWidget(PrintButton);
  buttons->addWidget(SaveButton);
  buttons->addStretch(1);
  buttons->addWidget(CloseButton);
  layout->addLayout(buttons);
  connect(PrintButton, &QPushButton::clicked, this, &ImportLogDialog::print);
  connect(SaveButton, &QPushButton::clicked, this, &ImportLogDialog::save);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
  resize(760, 360);
}

void ImportLogDialog::print() {
  QPrinter& printer = ReportPrinter();
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) LogText->print(&printer);
}

void ImportLogDialog::save() {
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save the Log"),
                                                    QStringLiteral("IMPORT.TXT"),
                                                    QStringLiteral("Text files (*.txt)"));
  if (path.isEmpty()) return;
  ErrorTrap trap;
  trap.set(WriteFileAtomic(ToPath(path), text_));
  trap.report();
}

}  // namespace tallmark
