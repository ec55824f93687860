#include <gtest/gtest.h>

#include "internet/MetarAddress.h"
#include "internet/MetarPage.h"
#include "internet/RecentAddresses.h"

namespace parlhora {
namespace {

TEST(MetarAddress, CommentStationNameAndAirportCode) {
  // clang-format off
  const struct {
    const char *address, *bare, *station, *code;
  } cases[] = {
      {"https://api.met.no/x?icao=EDDF //Frankfurt/Main", "https://api.met.no/x?icao=EDDF", "Frankfurt/Main", "EDDF"},
      // Kind B is tested second and wins.
      {"http://aviationweather.gov/api.met.no?icao=AAAA&ids=BBBB", nullptr, "====================", "BBBB"},
      {"http://example.org/metar?ids=EDDF", nullptr, "====================", ""},
      {"http://api.met.no/x?ids=EDDF", nullptr, "====================", ""},
      {"metar.txt //", "metar.txt", "", ""},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    const QString a = QString::fromLatin1(c.address);
    EXPECT_EQ(MetarAddress::withoutComment(a), QString::fromLatin1(c.bare ? c.bare : c.address));
    EXPECT_EQ(MetarAddress::stationName(a), QString::fromLatin1(c.station));
    EXPECT_EQ(MetarAddress::airportCode(a), QString::fromLatin1(c.code));
  }
  for (const QString& example : MetarAddress::examples())
    EXPECT_EQ(MetarAddress::airportCode(example).size(), 4);
}

TEST(MetarPage, ReportLineOfTheWantedAirport) {
  const struct {
    QStringList lines;
    const char* code;
    const char* report;
  } cases[] = {
      {{"<html>", "<p>TAF: EDDF 071100Z 0712/0818 24012KT</p>",
        "<tr><td><b>EDDF 071020Z 24015G25KT 9999 12/08 Q1013</b></td></tr>  "},
       "EDDF",
       "EDDF 071020Z 24015G25KT 9999 12/08 Q1013"},
      {{"TAF: EDDF 071100Z 0712/0818 24012KT"}, "EDDF", ""},
      {{"EDDM 071020Z 1", "EDDF 071020Z 2", "EDDF 071050Z 3"}, "EDDF", "EDDF 071020Z 2"},
      // The code must be followed by a space and, seven later, a "Z".
      {{"EDDF is here", "see EDDF 0710Z", "xEDDF 071020Z <i>x</i> y"}, "EDDF", "EDDF 071020Z x y"},
      // A ">" before the first "<" drops everything up to that "<".
      {{"EDDF 071020Z a> b<c"}, "EDDF", "c"},
      {{"EDDF 071020Z <unclosed"}, "EDDF", "unclosed"},
      {{"EDDF 071020Z"}, "", ""},
      {{}, "EDDF", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines.join(" | ").toStdString());
    EXPECT_EQ(MetarPage::extract(c.lines, QString::fromLatin1(c.code)), QString::fromLatin1(c.report));
  }
}

TEST(RecentAddresses, AtMostTenAndTheNewestFirstOnceFull) {
  QList<QByteArray> list;
  EXPECT_EQ(RecentAddresses::add(list, ""), -1);
  EXPECT_EQ(RecentAddresses::add(list, "a"), 0);
  EXPECT_EQ(RecentAddresses::add(list, "b"), 1);
  EXPECT_EQ(RecentAddresses::add(list, "a"), 0);
  EXPECT_EQ(RecentAddresses::add(list, "A"), 2);  // case counts
  for (int i = 3; i < 10; ++i) RecentAddresses::add(list, QByteArray::number(i));
  ASSERT_EQ(list.size(), 10);
  EXPECT_EQ(RecentAddresses::add(list, "eleven"), 0);
  EXPECT_EQ(list.size(), 10);
  EXPECT_EQ(list.first(), "eleven");
  EXPECT_EQ(list[1], "a");
  EXPECT_FALSE(list.contains("9"));
  QList<QByteArray> twice{"x", "y", "x"};
  EXPECT_EQ(RecentAddresses::add(twice, "x"), 2);  // the last equal entry
}

}  // namespace
}  // namespace parlhora
