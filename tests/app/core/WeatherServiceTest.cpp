#include <gtest/gtest.h>

#include <QDataStream>

#include "app/core/CoreRig.h"

namespace parlhora {
namespace {

// Two WS-23xx records at 20 °C outside.
QByteArray history() {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out.setFloatingPointPrecision(QDataStream::SinglePrecision);
  for (int i = 0; i < 2; ++i)
    out << quint32(0) << quint32(3'900'000'000u + i * 300) << float(1013) << float(2) << qint32(0) << float(0)
        << float(21) << float(20) << qint8(40) << qint8(0) << qint8(60) << qint8(0);
  return bytes;
}

struct WeatherRig {
  explicit WeatherRig(const QByteArray& extra = {}) : ini("[PARLHORA V2.2.3]\r\n" + extra), rig(&ini) {
    rig.write("history.dat", history());
  }
  WeatherService& weather() { return rig.core->weather(); }
  SourceController& source(WeatherSource id) { return *weather().source(id); }
  void load() {
    rig.core->FormCreate();
    rig.clock.runFor(600);
  }
  QByteArray ini;
  CoreRig rig;
};

TEST(WeatherService, ChoosingASourceStopsTheOthersAndRefreshesIt) {
  WeatherRig w;
  w.load();
  w.rig.core->settings().w23.file = QDir(w.rig.home.path()).filePath("history.dat").toUtf8();
  w.weather().source(WeatherSource::W23)->applySettings();
  w.weather().choose(WeatherSource::W28);
  ASSERT_TRUE(w.source(WeatherSource::W28).timerActive());
  int picked = 0;
  QObject::connect(&w.weather(), &WeatherService::sourcePicked, [&picked] { ++picked; });
  w.weather().choose(WeatherSource::W23);
  EXPECT_FALSE(w.source(WeatherSource::W28).timerActive());
  EXPECT_TRUE(w.source(WeatherSource::W23).timerActive());
  EXPECT_DOUBLE_EQ(w.source(WeatherSource::W23).snapshot().TempExt, 20);
  EXPECT_EQ(picked, 1);
  EXPECT_EQ(w.rig.core->settings().source, WeatherSource::W23);

  w.weather().choose(WeatherSource::None);
  w.weather().sources().forEach([](SourceController& s) { EXPECT_FALSE(s.timerActive()) << int(s.id()); });
  // The snapshot keeps its values when its source is no longer read.
  EXPECT_DOUBLE_EQ(w.source(WeatherSource::W23).snapshot().TempExt, 20);
}

TEST(WeatherService, AUnitClickRefreshesOnlyTheChosenSource) {
  WeatherRig w;
  const QString file = QDir(w.rig.home.path()).filePath("history.dat");
  w.rig.write("parlhora.ini", "[PARLHORA V2.2.3]\r\nMETEO=W23\r\nW23_DAT=" + file.toUtf8() + "\r\n");
  w.load();
  w.weather().unitClicked(WeatherService::UnitButton::Tf);
  EXPECT_FALSE(w.rig.core->settings().units.celsius);
  EXPECT_DOUBLE_EQ(w.weather().units().UnitTempFactor, 1.8);
  EXPECT_DOUBLE_EQ(w.source(WeatherSource::W23).snapshot().TempExt, 68);

  w.weather().choose(WeatherSource::None);
  w.weather().unitClicked(WeatherService::UnitButton::Tc);
  // Nothing chosen: only the factors change.
  EXPECT_DOUBLE_EQ(w.source(WeatherSource::W23).snapshot().TempExt, 68);
  EXPECT_DOUBLE_EQ(w.weather().units().UnitTempFactor, 1);
}

TEST(WeatherService, StoredUnitsAndChoiceApplyAtLoad) {
  WeatherRig w;
  const QString file = QDir(w.rig.home.path()).filePath("history.dat");
  w.rig.write("parlhora.ini", "[PARLHORA V2.2.3]\r\nUNITTC=N\r\nUNITVK=N\r\nMETEO=W23\r\nW23_DAT=" + file.toUtf8() + "\r\n");
  w.load();
  EXPECT_EQ(w.weather().chosen(), WeatherSource::W23);
  EXPECT_TRUE(w.weather().units().fahrenheit());
  EXPECT_TRUE(w.weather().units().mph());
  EXPECT_FALSE(w.weather().units().inHg());
  EXPECT_DOUBLE_EQ(w.source(WeatherSource::W23).snapshot().TempExt, 68);
  EXPECT_TRUE(w.source(WeatherSource::W23).timerActive());
}

}  // namespace
}  // namespace parlhora
