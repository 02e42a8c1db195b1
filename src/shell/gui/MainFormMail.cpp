// The main window's "E-mail Standing Sheet...": asks for the addresses (kept for the league),
// writes the message and its PDF into the program folder's "Mail" folder and hands them to the
// desktop's mail program; without xdg-email the message file itself is opened.
#include <QDesktopServices>
#include <QInputDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include "common/Text.h"
#include "common/UserIO.h"
#include "league/LeagueData.h"
#include "shell/MailMessage.h"
#include "shell/MailSettings.h"
#include "shell/gui/MailHandOff.h"
#include "shell/gui/MainForm.h"

namespace tallmark {

namespace {

QString FromUtf8(const std::string& s) { return QString::fromStdString(s); }

std::optional<QString> AskWithDialog(QWidget* parent, const QString& shown) {
  bool ok = false;
  const QString text = QInputDialog::getText(
      parent, QStringLiteral("E-mail Standing Sheet"),
      QStringLiteral("Send the standing sheet to (addresses separated by commas; kept for this "
                     "league):"),
      QLineEdit::Normal, shown, &ok);
  if (!ok) return std::nullopt;
  return text;
}

// xdg-email with the attachment, else the message file opened by the desktop.
bool HandToDesktop(const std::vector<std::string>& to, const std::string& eml,
                   const std::string& pdf) {
  const QString xdgEmail = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
  if (!xdgEmail.isEmpty()) {
    QStringList args;
    for (const std::string& a : XdgEmailArguments(to, pdf)) args << FromUtf8(a);
    if (QProcess::startDetached(xdgEmail, args)) return true;
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(FromUtf8(eml)));
}

MailAddressAsker& Asker() {
  static MailAddressAsker asker;
  return asker;
}

MailHandOff& HandOff() {
  static MailHandOff handOff;
  return handOff;
}

// The addresses asked for, shown filled with the kept ones; nullopt when cancelled.
std::optional<std::vector<std::string>> AskAddresses(QWidget* parent) {
  QString text = FromUtf8(JoinMailAddresses(LeagueMailAddresses()));
  for (;;) {
    const std::optional<QString> typed =
        Asker() ? Asker()(parent, text) : AskWithDialog(parent, text);
    if (!typed) return std::nullopt;
    text = *typed;
    std::vector<std::string> addresses;
    std::string problem;
    if (ParseMailAddresses(text.toStdString(), addresses, problem)) return addresses;
    MsgBox(Utf8ToCp1252(problem), {}, MsgIcon::Exclamation);
  }
}

}  // namespace

void MainForm::MailStandingSheet() {
  const std::optional<std::vector<std::string>> to = AskAddresses(this);
  if (!to) return;
  if (int err = SaveLeagueMailAddresses(*to); err != 0) ReportError(err);
  std::string eml, pdf;
  ShowBusy();
  const int err = WriteStandingsMail(lg.ProgramPath + "Mail", *to, eml, pdf);
  ShowNormal();
  if (err != 0) {
    ReportError(err);
    return;
  }
  const bool handed = HandOff() ? HandOff()(*to, eml, pdf) : HandToDesktop(*to, eml, pdf);
  MsgBox(std::string(handed ? "The message is handed to your mail program; nothing is sent until "
                              "you send it there. "
                            : "No mail program could be started. ") +
             "The message is saved as " + Utf8ToCp1252(eml) + ".",
         {}, MsgIcon::Information);
}

void SetMailAddressAsker(MailAddressAsker asker) { Asker() = std::move(asker); }
void SetMailHandOff(MailHandOff handOff) { HandOff() = std::move(handOff); }

}  // namespace tallmark
