#include <gtest/gtest.h>

#include <QHash>
#include <QTextStream>

#include "app/SettingsKeyTable.h"
#include "cli/SettingsKeyHelp.h"

using namespace parlhora;

// A key added to the settings file without its line in `config --keys`
// would leave a headless user guessing.
TEST(SettingsKeyHelp, EveryKeyIsListedWithItsMeaning) {
  QString text;
  QTextStream out(&text);
  EXPECT_EQ(printSettingsKeys(out), 0);
  out.flush();
  const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), static_cast<int>(SettingsKeyTable::instance().rules().size()) + 1);
  for (const QString& line : lines.mid(1)) EXPECT_FALSE(line.contains("\t?")) << line.toStdString();
  EXPECT_TRUE(text.contains("\nMETAR_FAV1..10=\t")) << text.toStdString();
}

// The column is found by loading each candidate line, so it tells what the
// loader does with a missing line, not what someone once wrote down.
TEST(SettingsKeyHelp, AbsentColumnIsWhatTheLoaderDoesWithoutTheLine) {
  QString text;
  QTextStream out(&text);
  printSettingsKeys(out);
  out.flush();
  QHash<QString, QString> absent;
  for (const QString& line : text.split('\n', Qt::SkipEmptyParts).mid(1)) {
    const QStringList cells = line.split('\t');
    ASSERT_EQ(cells.size(), 4) << line.toStdString();
    absent.insert(cells[0], cells[2]);
  }
  const std::pair<const char*, const char*> expected[] = {
      {"APRS_DGF=", "°F"},
      {"APRS_INC=", "inch"},
      {"APRS_KM=", "mph"},
      {"UNITTC=", "°C"},
      {"UNITRM=", "mm"},
      {"ROSE=", "8"},
      {"OLD=", "immer"},
      {"FICHIER_PIROLO=", "kuckoo.wav"},
      {"FICHIER_FIN=", "leer"},
      {"END_RANGE=", "24"},
      {"VOLUME=", "5"},
      {"MAXVOLUME=", "70"},
      {"DATE=", "an"},
      {"RECORD=", "aus"},
      {"W28_PABS=", "absolut"},
      {"PRO2_NEW=", "an"},
      {"W23_SEUILTEN=", "4"},
      {"APRS_TU=", "1 (Lok)"},
      {"METAR_TU=", "-1"},
      {"METEO=", "keine"},
      {"METAR_LIST=", "keine"},
      {"APRS_FAV1..10=", "leer"},
      {"TOP=", "101"},
      {"LEFT=", "4"},
      {"METEO_WIDTH=", "287"},
      {"METEO_HEIGHT=", "267"},
      {"FORMMETEO=", "gezeigt"},
      {"OSOUND=", "-1 (Systemvorgabe)"},
      {"VERSTART=", "aus"},
      {"COM=", "kein Port"},
      {"METCOMM=", "0 (keiner)"},
      {"DCD=", "an"},
  };
  for (const auto& [key, word] : expected) EXPECT_EQ(absent.value(key), word) << key;
}
