#include <gtest/gtest.h>

#include "internet/FavouriteSlots.h"

namespace parlhora {
namespace {

TEST(FavouriteSlots, ClicksReachTheVisibleWindowsTheyBelongTo) {
  const struct {
    int slot;
    const char* text;
    bool aprs, metarVisible, aprsVisible;
    const char* metarGot;
    const char* aprsGot;
  } cases[] = {
      {1, "http://x //A", false, true, true, "http://x //A", ""},
      {2, "http://x", false, true, true, "http://x", ""},
      {3, "", false, true, true, "", ""},
      {3, "http://x", false, false, true, "", ""},
      {1, "http://y", true, true, true, "", "http://y"},
      {2, "http://y", true, true, true, "http://y", "http://y"},
      {8, "http://y", true, true, false, "http://y", ""},
      {10, "http://y", true, true, true, "", "http://y"},
      {4, "", true, true, true, "", ""},
      {6, "http://y", true, false, false, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.slot);
    QString metarGot, aprsGot;
    const FavouriteSlots::Target metar{[&] { return c.metarVisible; },
                                       [&](const QString& a) { metarGot = a; }};
    const FavouriteSlots::Target aprs{[&] { return c.aprsVisible; }, [&](const QString& a) { aprsGot = a; }};
    FavouriteSlots::click(c.slot, c.text, c.aprs, metar, aprs);
    EXPECT_EQ(metarGot, QString::fromLatin1(c.metarGot));
    EXPECT_EQ(aprsGot, QString::fromLatin1(c.aprsGot));
  }
}

}  // namespace
}  // namespace parlhora
