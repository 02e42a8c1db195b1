// The words of the scoring options window: captions built from the sport's terms and the group
// labels, the advice shown for the difference method, and the tool tips.
#pragma once

#include <string>

namespace tallmark {

class ScoringOptions;

std::string ScoringCaption();  // the window's caption

// Caption beside point and game box 0..6. Box 6 names the high game as the choice stands.
std::string PointCaption(int box, const ScoringOptions& options);
// Caption of group setting row 0..5 (row 4 follows the absentee percentage switch).
std::string GroupRowCaption(int row, const ScoringOptions& options);
// Heading of group column 0..2: the two group labels in capitals, then "TEAM".
std::string GroupHeading(int g);
std::string MethodCaption(int choice);
std::string SwitchCaption(int box);

std::string DifferenceMethodMessage();

// Tool tips; each control's ends with " (F1). ".
std::string PointTip(int box);
std::string GroupRowTip(int row);
std::string MethodTip(int choice);
std::string SwitchTip(int box);
std::string HighGameTip();
std::string TabsTip();
std::string OkTip();
std::string CancelTip();

}  // namespace tallmark
