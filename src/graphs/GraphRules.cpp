#include "graphs/GraphRules.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "common/Text.h"
#include "league/LeagueData.h"

namespace tallmark::graphs {

int DataSetsPerPoint(GraphType type, bool highLow) {
  switch (type) {
    case GraphType::WeeklyPlayers:
    case GraphType::WeeklyTeams:
      return 3;
    case GraphType::PlayersToDate:
    case GraphType::TeamsToDate:
      return highLow ? 3 : 1;
    default:
      return 1;
  }
}

int PointsLimit(GraphType type, bool highLow) {
  return static_cast<int>(std::lround(static_cast<double>(kMaxGraphValues) /
                                      DataSetsPerPoint(type, highLow)));
}

MaxOfChoice AcceptMaxOf(const std::string& typed, int limit) {
  const std::string text = Trim(typed);
  bool digits = !text.empty() && text.size() <= 6 &&
                std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
  const int n = digits ? std::stoi(text) : 0;
  if (n >= 2 && n <= limit) return {n, false};
  return {limit, true};
}

int PointsPerGraph(const GraphOptions& options, GraphType type) {
  const int limit = PointsLimit(type, options.highLow);
  if (options.maxPoints <= 0) return limit;
  return std::clamp(options.maxPoints, 2, limit);
}

std::string CaptionTitle(GraphType type) {
  switch (type) {
    case GraphType::Rankings: return "Statistical Rankings";
    case GraphType::WeeklyPlayers: return "Weekly Individual Results";
    case GraphType::PlayersToDate: return lg.SportTerm[4] + " Results to Date";
    case GraphType::WeeklyTeams: return "Weekly Team Results";
    case GraphType::TeamsToDate: return "Team Results to Date";
  }
  return "Graph";
}

std::string SuggestedGraphName(const std::string& baseName) {
  std::string name = "Graph001";
  for (std::size_t i = 0; i < baseName.size() && i < name.size(); ++i) name[i] = baseName[i];
  name.replace(5, 3, "001");
  return name;
}

namespace {

// Where the name's extension starts (its end when it has none) and where a three-digit counter
// before it starts (npos when there is none).
void CounterPlace(const std::string& path, std::size_t& dot, std::size_t& start) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t from = slash == std::string::npos ? 0 : slash + 1;
  dot = path.find_last_of('.');
  if (dot == std::string::npos || dot < from) dot = path.size();
  start = dot;
  while (start > from && dot - start < 3 && std::isdigit(static_cast<unsigned char>(path[start - 1])))
    --start;
  if (dot - start < 3) start = std::string::npos;
}

}  // namespace

bool EndsInFirstCounter(const std::string& path) {
  std::size_t dot = 0, start = 0;
  CounterPlace(path, dot, start);
  return start != std::string::npos && path.compare(start, 3, "001") == 0;
}

std::string NextGraphFileName(const std::string& path) {
  std::size_t dot = 0, start = 0;
  CounterPlace(path, dot, start);
  if (start == std::string::npos) return path.substr(0, dot) + "002" + path.substr(dot);
  char digits[16];
  std::snprintf(digits, sizeof digits, "%03d", std::stoi(path.substr(start, 3)) + 1);
  return path.substr(0, start) + digits + path.substr(dot);
}

ImageFormat ImageFormatOf(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || path.find_first_of("/\\", dot) != std::string::npos)
    return ImageFormat::Unknown;
  const std::string ext = UpperAscii(path.substr(dot + 1));
  if (ext == "WMF") return ImageFormat::Wmf;
  if (ext == "BMP") return ImageFormat::Bmp;
  if (ext == "PNG") return ImageFormat::Png;
  if (ext == "SVG") return ImageFormat::Svg;
  if (ext == "PDF") return ImageFormat::Pdf;
  return ImageFormat::Unknown;
}

}  // namespace tallmark::graphs
