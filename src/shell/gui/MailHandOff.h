// How "E-mail Standing Sheet..." asks for the addresses and hands the message to the desktop's
// mail program. Both can be replaced (the window tests answer the question and keep the mail
// program out); an empty function restores the program's own.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace tallmark {

// Shows the question with shown filled in; nullopt when cancelled.
using MailAddressAsker = std::function<std::optional<QString>(QWidget*, const QString& shown)>;
// Hands the written message on; false when no mail program took it.
using MailHandOff = std::function<bool(const std::vector<std::string>& to, const std::string& eml,
                                       const std::string& pdf)>;

void SetMailAddressAsker(MailAddressAsker asker);
void SetMailHandOff(MailHandOff handOff);

}  // namespace tallmark
