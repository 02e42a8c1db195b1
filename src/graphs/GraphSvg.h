// A line graph page drawn as SVG markup to be placed inside a web page: axes with a scale, one
// polyline with dots per data set and a legend. It needs no fonts or files of its own, and it
// scales to the width of the page that holds it.
#pragma once

#include <string>

#include "graphs/GraphPage.h"

namespace tallmark::graphs {

// The <svg> element of the page's line graph. Texts are UTF-8 and already safe to place in
// markup. A value that is not a number leaves a gap in its line. label names the drawing for
// readers that cannot see it.
std::string LineGraphSvg(const GraphPage& page, const std::string& label);

}  // namespace tallmark::graphs
