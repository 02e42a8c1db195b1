// The graph builder: turns the league's stored scores and statistics into graph pages for the
// selected items, one item after another, each continuing on further pages when it has more
// points than a graph may show.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "graphs/GraphPage.h"

namespace tallmark::graphs {

// Receives each finished page (to show, print or write it); returns false to end the run.
using PageSink = std::function<bool(const GraphPage&)>;

// Builds the graphs of type for the selection and hands each page to sink. Returns the number of
// pages made. The week's lane slots, the score record in work and the statistics in memory are
// as before when it returns. A week or session missing from its file is left out and named in
// the notes of the pages it belongs to (a page of its own when nothing else is left); damage,
// when given, receives each such notice once.
int BuildGraphs(GraphType type, const GraphSelection& selection, const GraphOptions& options,
                const PageSink& sink, std::vector<std::string>* damage = nullptr);

}  // namespace tallmark::graphs
