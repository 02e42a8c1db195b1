// The week's standings as an e-mail message (a MIME .eml file any mail program opens): the
// subject "<league> – standings after week n", the condensed standing sheet's text and the
// index page's standings, lanes, awards and bulletin as alternatives, and the normal standing
// sheet as an attached PDF. The message is only written; the program sends nothing.
#pragma once

#include <string>
#include <vector>

namespace tallmark {

// True when text is a plain address (local@domain, no blanks, brackets, quotes or commas).
bool IsMailAddress(const std::string& text);

// The message's subject (UTF-8) and the attachment's file name.
std::string MailSubject();
std::string MailAttachmentName();

// The whole message, lines ending in CR LF. to: the addresses of the To line (none: no To line).
// date: the Date line's value (RFC 5322).
std::string StandingsMessage(const std::vector<std::string>& to, const std::string& date);

// The message written into folder as "<league base name>-week-n.eml" beside its PDF attachment,
// for the desktop's mail program. Returns 0 or an error number; eml and pdf get the paths.
int WriteStandingsMail(const std::string& folder, const std::vector<std::string>& to,
                       std::string& eml, std::string& pdf);
// The arguments of xdg-email that open a new message with the subject, the condensed sheet's
// text and the PDF attached, addressed to to.
std::vector<std::string> XdgEmailArguments(const std::vector<std::string>& to,
                                           const std::string& pdf);

// Now as an RFC 5322 date ("Mon, 07 Dec 2026 11:51:47 +0000").
std::string MailDateNow();

}  // namespace tallmark
