#include "reports/ResultsLines.h"

#include <algorithm>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "processing/Rankings.h"
#include "reports/ReportCommon.h"
#include "reports/ReportText.h"

namespace tallmark::reports {

std::string PinsTitle() {
  std::string pins = Upper(lg.SportTerm[6]) + "S";
  if (pins.size() < 4) pins.insert(0, 4 - pins.size(), ' ');
  return pins;
}

std::vector<std::string> GameLines(const ScoreLine& line, const std::string& margin, int padding,
                                   int totalWidth, const std::function<void(std::string&)>& first) {
  std::vector<std::string> out;
  const int c = static_cast<int>(margin.size());
  const int games = std::clamp<int>(lg.GamesPerWeek, 0, kMaxGames);
  long scratch = 0, total = 0;
  for (int g = 1; g <= games; ++g) {
    const int score = line.games[static_cast<std::size_t>(g - 1)];
    std::string text = Blanks(static_cast<std::size_t>(c + padding));
    PutText(text, c + 1, RightAlign(g, 4));
    PutText(text, c + 6, RightAlign(score, 4));
    PutText(text, c + 11, RightAlign(line.handicap, 3));
    PutText(text, c + 15, RightAlign(score + line.handicap, totalWidth));
    if (g == 1) first(text);
    scratch += score;
    total += score + line.handicap;
    out.push_back(text);
  }
  std::string sum = Blanks(static_cast<std::size_t>(c + padding));
  PutText(sum, c + 2, "SUM");
  PutText(sum, c + 6, RightAlign(static_cast<double>(scratch), 4));
  PutText(sum, c + 11, RightAlign(static_cast<double>(line.handicap) * games, 3));
  PutText(sum, c + 15, RightAlign(static_cast<double>(total), totalWidth));
  out.push_back(sum);
  return out;
}

std::vector<std::string> ExtraStatLines(const std::vector<const ScoreLine*>& lines,
                                        const std::string& margin, bool withTotal) {
  std::vector<std::string> out;
  const int extras = std::clamp<int>(lg.NumExtraStats, 0, kMaxExtraStats);
  if (extras == 0) return out;
  const int c = static_cast<int>(margin.size());
  out.push_back(margin + "EXTRA STATISTICS");
  for (int k = 1; k <= extras; ++k)
    out.push_back(margin + RightAlign(k, 2) + " = " + TrimRight(lg.ExtraStatName[k - 1]));
  std::string numbers = margin + Blanks(21), dashes = margin + std::string(20, '-');
  for (int k = 1; k <= extras; ++k) {
    numbers += (k > 1 ? " " : "") + RightAlign(k, 3);
    dashes += " ---";
  }
  out.push_back(numbers);
  out.push_back(dashes);
  std::vector<long> sums(static_cast<std::size_t>(extras), 0);
  for (const ScoreLine* l : lines) {
    std::string text = Blanks(static_cast<std::size_t>(c + 21 + 4 * extras));
    PutText(text, c + 1, Fixed(lg.PlayerName[l->player], 20));
    for (int k = 1; k <= extras; ++k) {
      const int value = l->extra[static_cast<std::size_t>(k - 1)];
      PutText(text, c + 22 + 4 * (k - 1), RightAlign(value, 3));
      sums[static_cast<std::size_t>(k - 1)] += value;
    }
    out.push_back(text);
  }
  if (withTotal) {
    std::string text = Blanks(static_cast<std::size_t>(c + 21 + 4 * extras));
    PutText(text, c + 10, "Team Total");
    for (int k = 1; k <= extras; ++k)
      PutText(text, c + 22 + 4 * (k - 1),
              RightAlign(static_cast<double>(sums[static_cast<std::size_t>(k - 1)]), 3));
    out.push_back(text);
  }
  return out;
}

std::string KindNote(Integer kind, bool shortForm) {
  switch (kind) {
    case kSub: return shortForm ? "SUB" : "SUBSTITUTE";
    case kRovingSub: return shortForm ? "ROVING" : "ROVING SUB";
    case kAbsent: return "ABSENT";
    default: return {};
  }
}

}  // namespace tallmark::reports
