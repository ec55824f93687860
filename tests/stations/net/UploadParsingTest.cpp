#include <gtest/gtest.h>

#include <cmath>

#include "stations/net/HttpRequestReader.h"
#include "stations/net/UploadParser.h"

namespace parlhora {
namespace {

TEST(UploadParser, EcowittBodyInBaseUnits) {
  const NetUpload u = UploadParser::parse(
      "PASSKEY=ABC123&stationtype=GW1000&dateutc=2026-03-05+12%3A30%3A00&tempinf=68.0&humidityin=40"
      "&baromrelin=29.920&baromabsin=29.5&tempf=50.0&humidity=65&winddir=250&windspeedmph=10.0"
      "&windgustmph=15.0&dailyrainin=0.1&totalrainin=12.5&freq=868M&model=GW1000");
  EXPECT_NEAR(*u.tempOut, 10.0, 1e-9);
  EXPECT_NEAR(*u.tempIn, 20.0, 1e-9);
  EXPECT_EQ(*u.humidityOut, 65);
  EXPECT_EQ(*u.humidityIn, 40);
  EXPECT_NEAR(*u.pressure, 1013.21, 0.01);
  EXPECT_NEAR(*u.wind, 16.09344, 1e-6);
  EXPECT_NEAR(*u.gust, 24.14016, 1e-6);
  EXPECT_EQ(*u.direction, 250);
  EXPECT_NEAR(*u.rainTotal, 317.5, 1e-9) << "the longest counter wins";
  EXPECT_EQ(u.key, "ABC123");
  // 12:30 UTC is 13:30 in Berlin in March.
  EXPECT_EQ(u.dataTime.toString("yyyy-MM-dd hh:mm:ss"), "2026-03-05 13:30:00");
  EXPECT_EQ(u.readings(), 9);
}

TEST(UploadParser, WundergroundQuery) {
  const NetUpload u = UploadParser::parse(
      "ID=KSTATION1&PASSWORD=secret&dateutc=now&tempf=-4&indoortempf=70&baromin=30.10&humidity=99"
      "&indoorhumidity=35&dailyrainin=0.25&action=updateraw");
  EXPECT_NEAR(*u.tempOut, -20.0, 1e-9);
  EXPECT_NEAR(*u.tempIn, 21.111, 1e-3);
  EXPECT_NEAR(*u.pressure, 1019.30, 0.01);
  EXPECT_NEAR(*u.rainTotal, 6.35, 1e-9);
  EXPECT_EQ(u.rainCounter, 1);
  EXPECT_FALSE(u.dataTime.isValid()) << "\"now\" is the arrival time";
  EXPECT_EQ(u.key, "KSTATION1");
  EXPECT_FALSE(u.wind.has_value());
}

TEST(UploadParser, JunkLeavesFieldsEmpty) {
  const struct {
    const char* form;
    int readings;
  } cases[] = {
      {"tempf=nan&humidity=inf&baromin=1e308&windspeedmph=-1&winddir=361", 0},
      {"tempf=-9999&humidity=101&tempinf=abc&humidityin=&windgustmph=0x10", 0},
      {"tempf=50&tempf=99999", 1},  // the first of a duplicate counts
      {"&&==&tempf&=5&%zz=1&tempf=%35%30", 1},
      {"dateutc=2026-13-45+99:99:99&PASSKEY=x", 0},
      {"", 0},
  };
  for (const auto& c : cases) {
    const NetUpload u = UploadParser::parse(c.form);
    EXPECT_EQ(u.readings(), c.readings) << c.form;
    if (u.tempOut) {
      EXPECT_NEAR(*u.tempOut, 10, 1e-9) << c.form;
    }
    EXPECT_FALSE(u.dataTime.isValid()) << c.form;
  }
}

TEST(HttpRequestReader, FramesOrRefuses) {
  using S = HttpRequestReader::State;
  const QByteArray big(HttpRequestReader::kMaxBytes, 'x');
  const struct {
    QByteArray bytes;
    S state;
    int status;
  } cases[] = {
      {"GET /weatherstation/updateweatherstation.php?ID=a&tempf=50 HTTP/1.1\r\nHost: x\r\n\r\n", S::Complete,
       0},
      {"POST /data/report/ HTTP/1.1\r\nContent-Length: 7\r\n\r\ntempf=5", S::Complete, 0},
      {"POST /data/report/ HTTP/1.1\r\nContent-Length: 7\r\n\r\ntem", S::NeedMore, 0},
      {"GET / HTTP/1.1\r\nHost: x\r\n", S::NeedMore, 0},
      {"POST / HTTP/1.1\r\nContent-Length: 99999\r\n\r\n", S::Failed, 413},
      {"POST / HTTP/1.1\r\nContent-Length: 16370\r\n\r\n" + big.left(10), S::Failed, 413},
      {"GET /" + big + " HTTP/1.1\r\n", S::Failed, 413},
      {"POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", S::Failed, 411},
      {"POST / HTTP/1.1\r\nContent-Length: -1\r\n\r\n", S::Failed, 400},
      {"HELLO\r\n\r\n", S::Failed, 400},
  };
  for (const auto& c : cases) {
    const auto r = HttpRequestReader::read(c.bytes);
    EXPECT_EQ(r.state, c.state) << c.bytes.left(60).toStdString();
    EXPECT_EQ(r.status, c.status) << c.bytes.left(60).toStdString();
  }
  const auto get = HttpRequestReader::read(cases[0].bytes);
  EXPECT_EQ(get.request.path, "/weatherstation/updateweatherstation.php");
  EXPECT_EQ(get.request.query, "ID=a&tempf=50");
  EXPECT_EQ(HttpRequestReader::read(cases[1].bytes).request.body, "tempf=5");
}

}  // namespace
}  // namespace parlhora
