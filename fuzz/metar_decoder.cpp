// Arbitrary bytes as a METAR report line: decoding must never crash or
// overrun, and every reading stays in its encoding's range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "internet/MetarGroups.h"
#include "internet/MetarReadings.h"
#include "internet/MetarSideFiles.h"
#include "spoken_check.h"

using namespace parlhora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the units, the rest is the line.
  UnitFactors units;
  if (data[0] & 1) units.RadioButtonTfClick();
  if (data[0] & 2) units.RadioButtonPiClick();
  if (data[0] & 4) units.RadioButtonVmClick();
  if (data[0] & 4) units.RadioButtonRiClick();
  const QString line =
      QString::fromLatin1(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  const MetarGroups g = MetarGroups::parse(line);
  if (g.words.size() > MetarGroups::kMaxWords) std::abort();

  WeatherSnapshot snap;
  SnapshotCompanions companions;
  Captions captions;
  const MetarReadings::Options options{units, (data[0] >> 3) - 16, (data[0] & 8) != 0,
                                       QDateTime(QDate(2026, 3, 1), QTime(0, 30))};
  MetarReadings::apply(g, options, snap, companions, captions);
  if (snap.HumiExt != -1 && (snap.HumiExt < 0 || snap.HumiExt > 99)) std::abort();
  if (snap.DirVent != 999 && (snap.DirVent < -1 || snap.DirVent > 360)) std::abort();
  if (snap.WeatherFlags >= 128) std::abort();
  if (captions.text("CheckBoxText").contains(QLatin1String("--")) != (snap.TempExt == -200)) std::abort();

  const QString uiview = MetarSideFiles::uiviewWeather(g, captions, snap);
  // Direction, speed, gust, temperature, rain, humidity, pressure: fixed widths.
  if (uiview.size() != 4 + 3 + 4 + 4 + 12 + 3 + 6) std::abort();
  MetarSideFiles::plainLine(g, captions, snap, units);
  fuzzcheck::speaksOnlyPieces(snap, WeatherSource::METAR, units);
  return 0;
}
