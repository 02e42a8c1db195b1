// The Tallmark program.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "league/LeagueLock.h"
#include "league/ProgramFolder.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/QtUserIO.h"

using namespace tallmark;

namespace {

// --screenshot FILE: start, draw the window, save it as an image and leave without saving
// anything (for checking the window's look).
bool TakeScreenshot(MainForm& form, const QString& file) {
  form.repaint();
  QApplication::processEvents();
  return form.grab().save(file);
}

// --version is answered before Qt starts, so that it works where no display is.
bool AskedForVersion(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (AskedForVersion(argc, argv)) {
    std::printf("tallmark %s\n", TALLMARK_VERSION);
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tallmark");
  QApplication::setApplicationVersion(TALLMARK_VERSION);
  QGuiApplication::setDesktopFileName(TALLMARK_APP_ID);
  QApplication::setWindowIcon(QIcon::fromTheme(TALLMARK_APP_ID,
                                               QIcon(":/icon/" TALLMARK_APP_ID ".svg")));
  QCommandLineParser parser;
  parser.addHelpOption();
  parser.addVersionOption();
  QCommandLineOption screenshot("screenshot", "Save an image of the main window and quit.",
                                "FILE");
  parser.addOption(screenshot);
  parser.process(app);

  // The program folder must hold the schedule templates and the sport file before anything
  // reads them.
  SeedProgramFolder(ProgramFolder(),
                    InstalledDataFolder(QCoreApplication::applicationFilePath().toStdString()));
  QtUserIO io;
  SetUserIO(&io);

  MainForm form;
  form.show();
  form.StartUp();
  if (parser.isSet(screenshot)) {
    QApplication::processEvents();
    bool ok = TakeScreenshot(form, parser.value(screenshot));
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "saved" : "could not save",
                 parser.value(screenshot).toLocal8Bit().constData());
    std::fflush(nullptr);
    ReleaseLeagueLock();
    std::_Exit(ok ? 0 : 1);  // leave without the exit steps: nothing is saved
  }
  return app.exec();
}
