// The identity (.IDS), roster (.RST) and bulletin (.MSG) files of the open league.
#pragma once

#include <string>

namespace tallmark {

bool ReadIdentities();
bool WriteIdentities();
bool ReadRoster();   // reads NumSubs substitutes (NumSubs comes from the configuration file)
bool WriteRoster();
bool ReadBulletin();
bool WriteBulletin();

// The texts of the three files as written from memory.
std::string IdentitiesText();
std::string RosterText();
std::string BulletinFileText();

}  // namespace tallmark
