// The main window's File menu through its file dialogs, answered by the test.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/ProgramFolder.h"
#include "common/Text.h"
#include "shell/Publish.h"
#include "shell/gui/FileDialogs.h"
#include "shell/gui/MailHandOff.h"
#include "shell/gui/MainForm.h"
#include "support/ScriptedUserIO.h"
#include "support/SmallLeague.h"
#include "support/TempDir.h"

using namespace tallmark;

class MainFormFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SeedProgramFolder(ProgramFolder(), TALLMARK_BUILD_DATA_DIR "/"); }

  void init() {
    // A league on disk (ACE, week 3), then the program started with no league.
    test::BuildSmallLeague(dir.path());
    QVERIFY(SaveLeague());
    QFile::remove(QString::fromStdString(ProgramFolder() + "TALLMARK.INI"));
    requests.clear();
    answers.clear();
    SetFileDialogChooser([this](QWidget*, const FileRequest& r) {
      requests.push_back(r);
      return answers.isEmpty() ? QString() : answers.takeFirst();
    });
    form = new MainForm;
    form->show();
    form->StartUp();
    QCOMPARE(lg.FileName, NoFileName);
  }

  void cleanup() {
    delete form;
    form = nullptr;
    SetFileDialogChooser({});
  }

  void openALeague() {
    answers << QString::fromStdString(dir.file("ACE.CFG"));
    form->Choose(MenuId::File, menu::kOpen);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].title, QString("Open Existing League Files"));
    QCOMPARE(requests[0].kind, FileRequest::Open);
    QVERIFY(requests[0].filter.startsWith("League Files (*.cfg"));
    QCOMPARE(requests[0].defaultSuffix, QString("cfg"));
    QVERIFY(requests[0].presetFile.isEmpty());  // no league open yet
    QCOMPARE(lg.FileName, std::string("ACE"));
    QCOMPARE(lg.DataPath, dir.path());
    QCOMPARE(form->Label1(0)->text(), QString("League: ACE LEAGUE"));
    QCOMPARE(form->Label1(2)->text(), QString("Week 3 of 30"));
    QCOMPARE(form->Grid1()->rowCount(), 2);
    QVERIFY(form->Action(MenuId::File, menu::kSave)->isEnabled());
    QVERIFY(form->Action(MenuId::Reports, menu::kStandingSheet)->isEnabled());

    // With a league open the dialog starts on its file, named as on disk; cancelling changes
    // nothing.
    form->Choose(MenuId::File, menu::kOpen);
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests[1].presetFile, QString::fromStdString(dir.path() + "ACE.CFG"));
    QCOMPARE(lg.FileName, std::string("ACE"));
  }

  void openMakesTheAutomaticBackupOfTheLeagueOpen() {
    answers << QString::fromStdString(dir.file("ACE.CFG"));
    form->Choose(MenuId::File, menu::kOpen);
    QCOMPARE(lg.AutoBackup, True);
    answers << QString::fromStdString(dir.file("ACE.CFG"));
    form->Choose(MenuId::File, menu::kOpen);
    QVERIFY(FileExists(dir.file("&CE.Z03")));
  }

  void saveAsAndSave() {
    answers << QString::fromStdString(dir.file("ACE.CFG"));
    form->Choose(MenuId::File, menu::kOpen);
    lg.LeagueName = "RENAMED LEAGUE";
    lg.AutoBackup = False;
    answers << QString::fromStdString(dir.file("COPY"));  // the dialog adds no extension here
    form->Choose(MenuId::File, menu::kSaveAs);
    QCOMPARE(requests.back().kind, FileRequest::Save);
    QCOMPARE(lg.FileName, std::string("COPY"));
    QVERIFY(FileExists(FindFileNoCase(dir.file("COPY.CFG"))));
    QCOMPARE(form->Label1(1)->text(), QString::fromStdString("Data Files: " + dir.path() + "COPY"));
    std::string text;
    QCOMPARE(ReadWholeFile(FindFileNoCase(dir.file("COPY.CFG")), text), 0);
    QVERIFY(text.find("RENAMED LEAGUE") != std::string::npos);
    QCOMPARE(ReadWholeFile(dir.file("ACE.CFG"), text), 0);
    QVERIFY(text.find("RENAMED LEAGUE") == std::string::npos);  // the old league is left

    lg.LeagueName = "SAVED AGAIN";
    form->Choose(MenuId::File, menu::kSave);
    QCOMPARE(ReadWholeFile(FindFileNoCase(dir.file("COPY.CFG")), text), 0);
    QVERIFY(text.find("SAVED AGAIN") != std::string::npos);
  }

  // File "Publish to &Web Folder...": the folder asked for gets the index and its two reports.
  void publishToAWebFolder() {
    test::ScriptedUserIO io;
    answers << QString::fromStdString(dir.file("ACE.CFG"));
    form->Choose(MenuId::File, menu::kOpen);
    const std::string site = dir.path() + "web site";
    answers << QString::fromStdString(site);
    form->Choose(MenuId::File, menu::kPublish);
    QCOMPARE(requests.back().kind, FileRequest::Folder);
    std::string index;
    QCOMPARE(ReadWholeFile(site + "/index.html", index), 0);
    QVERIFY(index == PublishIndexHtml());
    QVERIFY(FileExists(site + "/standing-sheet.html") && FileExists(site + "/averages.html"));
    QVERIFY(io.shown.back().text.find("web site") != std::string::npos);
  }

  // File "E-mail Standing Sheet...": a bad address is refused and asked again; the message and
  // its PDF are written and handed on with the addresses, which are kept for the league.
  void mailTheStandingSheet() {
    test::ScriptedUserIO io;
    answers << QString::fromStdString(dir.file("ACE.CFG"));
    form->Choose(MenuId::File, menu::kOpen);
    QVERIFY(form->Action(MenuId::File, menu::kMail)->isEnabled());
    QStringList typed = {"ann@example.org, bo", "ann@example.org, bo@x.net"};
    QStringList shown;
    SetMailAddressAsker([&](QWidget*, const QString& s) -> std::optional<QString> {
      shown << s;
      if (typed.isEmpty()) return std::nullopt;
      return typed.takeFirst();
    });
    std::vector<std::string> to;
    std::string eml, pdf;
    SetMailHandOff([&](const std::vector<std::string>& t, const std::string& e, const std::string& p) {
      to = t, eml = e, pdf = p;
      return true;
    });
    form->Choose(MenuId::File, menu::kMail);
    form->Choose(MenuId::File, menu::kMail);  // cancelled: nothing more
    SetMailAddressAsker({});
    SetMailHandOff({});
    QCOMPARE(shown, (QStringList{"", "ann@example.org, bo", "ann@example.org, bo@x.net"}));
    QVERIFY(io.shown[io.shown.size() - 2].text == "\"bo\" is not an e-mail address.");
    QVERIFY((to == std::vector<std::string>{"ann@example.org", "bo@x.net"}));
    std::string message, document;
    QCOMPARE(ReadWholeFile(eml, message), 0);
    QCOMPARE(ReadWholeFile(pdf, document), 0);
    QVERIFY(message.starts_with("MIME-Version: 1.0\r\n"));
    QVERIFY(message.find("To: ann@example.org,\r\n bo@x.net\r\n") != std::string::npos);
    QVERIFY(document.starts_with("%PDF-"));
    QVERIFY(io.shown.back().text.find(eml) != std::string::npos);
  }

  void cancelledNewLeavesTheLeagueOpen() {
    answers << QString::fromStdString(dir.file("ACE.CFG"));
    form->Choose(MenuId::File, menu::kOpen);
    lg.AutoBackup = False;
    form->Choose(MenuId::File, menu::kNew);  // cancelled
    QCOMPARE(requests.back().title, QString("Create New League Files"));
    QCOMPARE(lg.FileName, std::string("ACE"));
  }

  // Escape in the new league's parameters window brings back the league open before and
  // removes the new league's files; cancelling the new season's name changes nothing.
  void aNewLeagueOrANewSeasonCanBeBackedOutOf() {
    answers << QString::fromStdString(dir.file("ACE.CFG"));
    form->Choose(MenuId::File, menu::kOpen);
    lg.AutoBackup = False;
    test::ScriptedUserIO io;
    answers << QString::fromStdString(dir.file("NEWONE.CFG"));
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    form->Choose(MenuId::File, menu::kNew);
    QCOMPARE(lg.FileName, std::string("ACE"));
    QCOMPARE(lg.CurrentWeek, 3);
    QVERIFY(QDir(QString::fromStdString(dir.path())).entryList({"NEWONE.*"}).isEmpty());

    const qsizetype asked = requests.size();
    io.answer(MsgAnswer::Yes);  // "FRESH START WITH A NEW LEAGUE?"
    form->Choose(MenuId::Setup, menu::kNewSeason);  // the name's dialog cancelled
    QCOMPARE(requests.size(), asked + 1);
    QCOMPARE(lg.FileName, std::string("ACE"));
    QCOMPARE(lg.CurrentWeek, 3);
  }

  void exitSavesTheLeagueAndNamesItInTheOptions() {
    answers << QString::fromStdString(dir.file("ACE.CFG"));
    form->Choose(MenuId::File, menu::kOpen);
    lg.AutoBackup = False;
    test::ScriptedUserIO io;
    io.answer(MsgAnswer::No);  // no backup at exit
    form->close();
    std::string text;
    QCOMPARE(ReadWholeFile(ProgramFolder() + "TALLMARK.INI", text), 0);
    QCOMPARE(QString::fromStdString(text),
             QString::fromStdString("DataPath = " + dir.path() +
                                    "\r\nLeagueFileName = ACE\r\nAutoBackup = 0\r\n"
                                    "ToolTips = 1\r\nPrintMargins = 1\r\nAwardPopups = 1\r\n"));
    QVERIFY(io.sawTitle("CREATE BACKUP?"));
  }

 private:
  test::TempDir dir;
  QList<FileRequest> requests;
  QStringList answers;
  MainForm* form = nullptr;
};

QTEST_MAIN(MainFormFilesTest)
#include "MainFormFiles_test.moc"
