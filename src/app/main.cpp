// The Tallmark program.
#include <QApplication>
#include <QLabel>

#include "league/LeagueData.h"
#include "league/ProgramFolder.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tallmark");
  tallmark::SeedProgramFolder(tallmark::ProgramFolder(),
                              tallmark::InstalledDataFolder(QCoreApplication::applicationFilePath().toStdString()));
  tallmark::InitLeagueData();
  QLabel label("Tallmark");
  label.setWindowTitle("The Tallmark");
  label.resize(640, 400);
  label.show();
  return app.exec();
}
