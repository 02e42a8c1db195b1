#include "graphs/GraphSvg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tallmark::graphs {

namespace {

constexpr double kWidth = 400, kHeight = 250;
constexpr double kLeft = 40, kRight = 10, kTop = 30, kBottom = 38;
const char* const kColors[] = {"#2f5d8a", "#c0504d", "#4f8a3a", "#8064a2"};

std::string Num(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", v);
  std::string s = text;
  if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
  return s;
}

// A round step of the scale that gives about five lines between low and high.
double Step(double span) {
  const double raw = std::max(span, 1.0) / 5;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 2.5, 5.0})
    if (raw <= m * magnitude) return m * magnitude;
  return 10 * magnitude;
}

struct Scale {
  double low = 0, high = 1, step = 1;
  double y(double v) const { return kTop + (high - v) / (high - low) * (kHeight - kTop - kBottom); }
};

Scale ScaleOf(const GraphPage& page) {
  double low = INFINITY, high = -INFINITY;
  for (const DataSet& s : page.sets)
    for (double v : s.values)
      if (!std::isnan(v)) low = std::min(low, v), high = std::max(high, v);
  if (low > high) low = 0, high = 1;
  Scale scale;
  scale.step = Step(high - low);
  scale.low = std::floor(low / scale.step) * scale.step;
  scale.high = std::max(std::ceil(high / scale.step) * scale.step, scale.low + scale.step);
  return scale;
}

std::string Text(double x, double y, const std::string& anchor, const std::string& text) {
  return "<text x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" text-anchor=\"" + anchor + "\">" + text +
         "</text>\n";
}

std::string Axes(const GraphPage& page, const Scale& scale, double dx) {
  std::string svg;
  for (double v = scale.low; v <= scale.high + scale.step / 2; v += scale.step) {
    const std::string y = Num(scale.y(v));
    svg += "<line class=\"grid\" x1=\"" + Num(kLeft) + "\" y1=\"" + y + "\" x2=\"" +
           Num(kWidth - kRight) + "\" y2=\"" + y + "\" />\n";
    svg += Text(kLeft - 6, scale.y(v) + 4, "end", Num(v));
  }
  for (std::size_t i = 0; i < page.labels.size(); ++i)
    svg += Text(kLeft + dx * (static_cast<double>(i) + 0.5), kHeight - kBottom + 16, "middle",
                page.labels[i]);
  svg += Text((kLeft + kWidth - kRight) / 2, kHeight - 6, "middle", page.xTitle);
  return svg;
}

std::string Lines(const GraphPage& page, const Scale& scale, double dx) {
  std::string svg;
  for (std::size_t s = 0; s < page.sets.size(); ++s) {
    const std::string color = kColors[s % std::size(kColors)];
    std::string points, dots;
    auto flush = [&] {
      if (!points.empty())
        svg += "<polyline fill=\"none\" stroke=\"" + color + "\" stroke-width=\"2.5\" points=\"" +
               points + "\" />\n";
      points.clear();
    };
    const std::vector<double>& values = page.sets[s].values;
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (std::isnan(values[i])) {
        flush();
        continue;
      }
      const std::string x = Num(kLeft + dx * (static_cast<double>(i) + 0.5));
      const std::string y = Num(scale.y(values[i]));
      points += (points.empty() ? "" : " ") + x + "," + y;
      dots += "<circle cx=\"" + x + "\" cy=\"" + y + "\" r=\"3.5\" fill=\"" + color + "\" />\n";
    }
    flush();
    svg += dots;
    // The legend along the top.
    const double lx = kLeft + 160 * static_cast<double>(s);
    svg += "<rect x=\"" + Num(lx) + "\" y=\"8\" width=\"14\" height=\"10\" fill=\"" + color +
           "\" />\n" + Text(lx + 19, 17, "start", page.sets[s].name);
  }
  return svg;
}

}  // namespace

std::string LineGraphSvg(const GraphPage& page, const std::string& label) {
  const Scale scale = ScaleOf(page);
  const double points = static_cast<double>(std::max<std::size_t>(page.labels.size(), 1));
  const double dx = (kWidth - kLeft - kRight) / points;
  std::string svg = "<svg class=\"graph\" viewBox=\"0 0 " + Num(kWidth) + " " + Num(kHeight) +
                    "\" role=\"img\" aria-label=\"" + label + "\">\n<title>" + label +
                    "</title>\n<style>text { font: 11px sans-serif; fill: #333; } "
                    ".grid { stroke: #d6d6d6; stroke-width: 1; }</style>\n";
  svg += Axes(page, scale, dx) + Lines(page, scale, dx);
  return svg + "</svg>\n";
}

}  // namespace tallmark::graphs
