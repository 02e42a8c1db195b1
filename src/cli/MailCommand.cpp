// tallmark-cli mail: the week's standings as an e-mail message file, as the main window's
// "E-mail Standing Sheet..." writes it before handing it to the desktop's mail program.
#include <cstdio>

#include "cli/Commands.h"
#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "shell/MailMessage.h"

namespace tallmark::cli {

namespace {

int RunMail(const std::vector<std::string>& args) {
  Args a(args);
  const std::string out = a.option("-o");
  std::vector<std::string> to;
  for (std::string address; !(address = a.option("--to")).empty();) to.push_back(address);
  a.finish();
  const std::vector<std::string> rest = a.positional();
  if (a.bad()) return UsageError("mail", a.problem());
  if (rest.size() != 1 || out.empty()) return UsageError("mail");
  for (const std::string& address : to)
    if (!IsMailAddress(address)) return UsageError("mail", "not an e-mail address: " + address);
  if (!OpenLeagueFile(rest[0])) return kExitFailure;
  if (lg.CurrentWeek < lg.StartWeek) return Failure("no week has been processed yet");
  if (int err = WriteFileAtomic(out, StandingsMessage(to, MailDateNow())); err != 0)
    return Failure("cannot write " + out + ": " + ErrorDescription(err));
  std::printf("%s\n", out.c_str());
  return kExitOk;
}

const CommandRegistration kMail(
    {"mail", "LEAGUE.CFG -o WEEK.eml [--to ADDRESS...]",
     "write the week's standings as an e-mail message: the standing sheet as text, page and PDF",
     RunMail,
     "The message (MIME, lines ending in CR LF) has the subject \"<league> - standings after week\n"
     "n\", the condensed standing sheet's text and the web page's standings, next week's lanes,\n"
     "the week's special awards and the bulletin as alternatives, and the normal standing sheet\n"
     "as an attached PDF. Each --to adds an address to its To line. Open the file in a mail\n"
     "program to send it: nothing is sent from here.\n"});

}  // namespace

}  // namespace tallmark::cli
