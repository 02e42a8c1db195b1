// The small rules of the graphs: how many points a graph may hold, the "Max of" number box,
// the window's caption titles, and the names of the image files a run writes.
#pragma once

#include <string>

#include "graphs/GraphPage.h"

namespace tallmark::graphs {

// A graph holds at most this many values.
constexpr int kMaxGraphValues = 3800;

// Values each point carries: 3 (high, low, average) for the weekly graphs and for line graphs
// with "High-Low", else 1.
int DataSetsPerPoint(GraphType type, bool highLow);
// The points "All" allows: 3800 / data sets per point, to the nearest whole number.
int PointsLimit(GraphType type, bool highLow);

// The number typed into the "Max of" box: accepted when it lies between 2 and limit; otherwise
// the limit is used and "All" is chosen again.
struct MaxOfChoice {
  int points = 0;
  bool all = false;
};
MaxOfChoice AcceptMaxOf(const std::string& typed, int limit);

// Points each graph of a run shows: the "Max of" number, or the limit for "All".
int PointsPerGraph(const GraphOptions& options, GraphType type);

// "Tallmark -- " + this is the window's caption while the graph runs.
std::string CaptionTitle(GraphType type);

// The image file suggested first: "Graph001" with the league's base name written over its first
// characters and "001" at characters 6 to 8 (the folder and extension are the caller's).
std::string SuggestedGraphName(const std::string& baseName);
// The next file of a run: the three-digit counter ending the name before its extension goes up
// by one; a name without one gets "002" there.
std::string NextGraphFileName(const std::string& path);
// True when the name ends in the first counter of a run, "001", before its extension (a name
// that merely ends in digits, "w012", is a name).
bool EndsInFirstCounter(const std::string& path);

enum class ImageFormat { Unknown, Wmf, Bmp, Png, Svg, Pdf };
// By the file name's extension, in any case.
ImageFormat ImageFormatOf(const std::string& path);
// The message for a name with another extension.
inline const char* kImageExtensionMessage =
    "The file name must use the extension .WMF, .BMP, .PNG, .SVG or .PDF";

}  // namespace tallmark::graphs
