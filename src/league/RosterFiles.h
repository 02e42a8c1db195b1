// The identity (.IDS), roster (.RST) and bulletin (.MSG) files of the open league.
#pragma once

namespace tallmark {

bool ReadIdentities();
bool WriteIdentities();
bool ReadRoster();   // reads NumSubs substitutes (NumSubs comes from the configuration file)
bool WriteRoster();
bool ReadBulletin();
bool WriteBulletin();

}  // namespace tallmark
