#include "league/SportsList.h"

#include "league/SportFile.h"

namespace tallmark {

namespace {

// Candlepin: three balls a box, ten boxes; 300 is the most a string can score, though averages
// run near 100, so the award thresholds are about half those of ten-pin.
SportInfo Candlepin() {
  return {{"Candlepin Bowling", "Bowl", "Bowled", "Bowling", "Bowler", "Bowlers", "Pin", "Lane",
           "Series", "Box"},
          {300, 3, 0, 0},
          {40, 55, 150, 70}};
}

// Duckpin: three balls a frame, scored like ten-pin with a maximum of 300; averages near 120.
SportInfo Duckpin() {
  return {{"Duckpin Bowling", "Bowl", "Bowled", "Bowling", "Bowler", "Bowlers", "Pin", "Lane",
           "Series", "Frame"},
          {300, 3, 0, 0},
          {50, 65, 180, 80}};
}

// Nine-pin no-tap: ten-pin scoring in which nine pins on the first ball count as a strike, so
// high games come more often than in ten-pin and the scratch award sits higher.
SportInfo NinePinNoTap() {
  return {{"9 Pin No Tap Bowling", "Bowl", "Bowled", "Bowling", "Bowler", "Bowlers", "Pin", "Lane",
           "Series", "Frame"},
          {300, 4, 0, 0},
          {75, 100, 290, 125}};
}

}  // namespace

std::string ShippedSportsFile() {
  return SportRecord(DefaultSport()) + SportRecord(Candlepin()) + SportRecord(Duckpin()) +
         SportRecord(NinePinNoTap());
}

}  // namespace tallmark
