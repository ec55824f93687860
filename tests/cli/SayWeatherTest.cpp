#include <gtest/gtest.h>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/SayCommand.h"

using namespace parlhora;

namespace {

// A day of 5-minute WS-23xx records: 21.5 °C inside, 12.3 °C outside,
// 3 m/s from the east, 70 % humidity, 0.1 mm of rain a record and a pressure
// that rose 1.2 hPa in the last hour.
void writeHistory(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  QDataStream out(&file);
  out.setByteOrder(QDataStream::LittleEndian);
  out.setFloatingPointPrecision(QDataStream::SinglePrecision);
  const int n = 300;
  for (int i = 0; i < n; ++i) {
    const auto seconds = static_cast<quint32>((46000 + i * 5.0 / 1440) * 86400 - 176400);
    out << quint32(0) << seconds << float(i == n - 1 ? 1013.4 : 1012.2) << float(3.0) << qint32(4)
        << float(i * 0.1) << float(21.5) << float(12.3) << qint8(45) << qint8(0) << qint8(70) << qint8(0);
  }
}

// The lines of one dry run from its start to its end, the time part off.
QStringList weatherOf(const QString& folder, const QByteArray& units) {
  QFile ini(QDir(folder).filePath("parlhora.ini"));
  EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[PARLHORA V2.2.3]\r\nDATE=N\r\nILEST=N\r\nTIME=N\r\nMETEO=W23\r\nW23_DAT=" +
            QDir(folder).filePath("history.dat").toUtf8() + "\r\n" + units);
  for (const char* box : {"TEMPINT", "TEMPEXT", "PRESATM", "PRETEND", "VITVENT", "VITRAFA", "DIRVENT", "TRES",
                          "PLUIE", "HUMIDI"})
    ini.write(QByteArray("W23_") + box + "=Y\r\n");
  ini.close();
  QString out, err;
  QTextStream o(&out), e(&err);
  EXPECT_EQ(runSayCommand({"--dry-run", "--at", "2026-03-05 14:35"}, folder, o, e), 0) << err.toStdString();
  o.flush();
  QStringList lines = out.split('\n', Qt::SkipEmptyParts);
  const qsizetype from = lines.indexOf("status PARLHORA SPIEL");
  const qsizetype to = lines.indexOf("status PARLHORA DONE");
  EXPECT_TRUE(from >= 0 && to > from);
  QStringList weather;
  for (qsizetype i = from + 1; i < to; ++i)
    if (lines[i] != "pause 50" || !lines[i - 1].startsWith("piece")) weather << lines[i];
  return weather;
}

}  // namespace

// Every item of a station file in speaking order, in both unit systems; the
// engine's 50 ms gap after each piece is left out, the tendency's own 50 ms
// pause kept.
TEST(SayWeather, DryRunSpeaksEveryTickedItemOfTheChosenSource) {
  QTemporaryDir home;
  writeHistory(QDir(home.path()).filePath("history.dat"));
  const QStringList metric = {
      "pause 100", "piece son_int_temp", "piece son22", "piece son_degrees",
      "pause 100", "piece son_ext_temp", "piece son12", "piece son_degrees",
      "pause 100", "piece son_pressure", "piece son1000", "piece son13", "piece son_millibars",
      "pause 50", "piece son_rising",
      "pause 100", "piece son_wind", "piece son11", "piece son_kmh",
      "pause 100", "piece son_gust", "piece son11", "piece son_kmh",
      "pause 100", "piece son_dir", "piece son_east",
      "pause 100", "piece son_wind_chill", "piece son11", "piece son_degrees",
      "pause 100", "piece son_rain24", "piece son29", "piece son_millimeters",
      "pause 100", "piece son_humidity", "piece son70", "piece son_percent"};
  EXPECT_EQ(weatherOf(home.path(), ""), metric);
  const QStringList imperial = {
      "pause 100", "piece son_int_temp", "piece son71", "piece son_degrees",
      "pause 100", "piece son_ext_temp", "piece son54", "piece son_degrees",
      "pause 100", "piece son_pressure", "piece son29", "piece son_point", "piece son9", "piece son3",
      "piece son_inhg",
      "pause 50", "piece son_rising",
      "pause 100", "piece son_wind", "piece son7", "piece son_mph",
      "pause 100", "piece son_gust", "piece son7", "piece son_mph",
      "pause 100", "piece son_dir", "piece son_east",
      "pause 100", "piece son_wind_chill", "piece son52", "piece son_degrees",
      "pause 100", "piece son_rain24", "piece son1", "piece son_point", "piece son1", "piece son3",
      "piece son_inch",
      "pause 100", "piece son_humidity", "piece son70", "piece son_percent"};
  EXPECT_EQ(weatherOf(home.path(), "UNITTC=N\r\nUNITPM=N\r\nUNITVK=N\r\nUNITRM=N\r\n"), imperial);
}

// A felt temperature past 99 °F is spoken as a temperature and the
// announcement reaches its end.
TEST(SayWeather, FeltTemperaturesPast99FahrenheitReachTheEnd) {
  const struct {
    const char* report;
    QStringList felt;
  } cases[] = {
      {"KPHX 071051Z 27006KT 40/M50 A2992", {"piece son_wind_chill", "piece son100_and", "piece son12"}},
      {"LFPG 071030Z 270038KMH M50/M60 Q1013",
       {"piece son_wind_chill", "piece son_minus", "piece son100_and", "piece son1"}},
  };
  for (const auto& c : cases) {
    QTemporaryDir home;
    QFile report(QDir(home.path()).filePath("report.txt"));
    ASSERT_TRUE(report.open(QIODevice::WriteOnly));
    report.write(QByteArray(c.report) + "\r\n");
    report.close();
    QFile ini(QDir(home.path()).filePath("parlhora.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[PARLHORA V2.2.3]\r\nDATE=N\r\nILEST=N\r\nTIME=N\r\nMETEO=METAR\r\nMETAR_DAT=" +
              report.fileName().toUtf8() + "\r\nMETAR_TRES=Y\r\nMETAR_DIRVENT=Y\r\n" +
              "UNITTC=N\r\nUNITPM=N\r\nUNITVK=N\r\nUNITRM=N\r\n");
    ini.close();
    QString out, err;
    QTextStream o(&out), e(&err);
    EXPECT_EQ(runSayCommand({"--dry-run", "--at", "2026-03-05 14:35"}, home.path(), o, e), 0)
        << err.toStdString();
    o.flush();
    QStringList pieces = out.split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(pieces.contains("status PARLHORA DONE")) << c.report;
    pieces.removeIf([](const QString& l) { return !l.startsWith("piece "); });
    const qsizetype at = pieces.indexOf("piece son_wind_chill");
    ASSERT_GE(at, 0) << c.report;
    EXPECT_EQ(pieces.mid(at, c.felt.size() + 1), c.felt + QStringList{"piece son_degrees"}) << c.report;
    // Item 7 follows the rounded wind, whatever the wind's own box says.
    EXPECT_TRUE(pieces.contains("piece son_west")) << c.report;
  }
}
