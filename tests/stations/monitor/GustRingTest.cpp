#include <gtest/gtest.h>

#include <vector>

#include "stations/GustRing.h"

namespace parlhora {
namespace {

TEST(GustRing, GustIsTheLargestOfTheLastTenReadings) {
  const struct {
    const char* name;
    std::vector<double> readings;
    double gust;
  } cases[] = {
      {"nothing stored yet", {}, 0},
      {"calm readings only", {0, 0}, 0},
      {"one reading", {7}, 7},
      {"ten rising", {20, 30, 40, 50, 60, 70, 80, 90, 100, 110}, 110},
      {"the eleventh pushes out the first", {120, 30, 40, 50, 60, 70, 80, 90, 100, 110, 10}, 110},
      {"a peak stays ten readings", {5, 99, 1, 1, 1, 1, 1, 1, 1, 1}, 99},
      {"and is gone once ten newer came", {5, 99, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2}, 2},
  };
  for (const auto& c : cases) {
    GustRing ring;
    for (const double r : c.readings) ring.add(r);
    EXPECT_DOUBLE_EQ(ring.gustMph(), c.gust) << c.name;
  }
}

}  // namespace
}  // namespace parlhora
