#include "stations/HistoryFileController.h"

#include <QFile>
#include <QFileInfo>

#include "platform/Notifier.h"
#include "stations/ReadingWriter.h"
#include "stations/StationFile.h"
#include "weather/UnitFactors.h"

namespace parlhora {

HistoryFileController::HistoryFileController(WeatherSource id, SourceContext& context,
                                             HistoryFileSettings& settings, QObject* parent)
    : TimedSource(id, context, settings.refreshMinutes, parent), settings_(settings) {}

void HistoryFileController::applySettings() {
  companions_.FileName = QFile::decodeName(settings_.file);
  errorText_ = settings_.errorText;
  emit readingsChanged();
}

StationParams HistoryFileController::params() const {
  StationParams p{context_.units};
  p.pressureTrim = settings_.pressureOffset;
  p.tendThreshold = tendThreshold();
  p.absolutePressure = settings_.absolutePressure;
  return p;
}

void HistoryFileController::setFile(const QString& file) {
  companions_.FileName = file;
  settings_.file = QFile::encodeName(file);
}

void HistoryFileController::doRefresh() {
  ReadingWriter::pressureLabels(captions_, context_.units);
  QString file = companions_.FileName;
  if (file.isEmpty() || StationFile::missing(file)) return;
  // Every reading this refresh does not take is absent, never the last one.
  StationReading reading{WeatherSnapshot::absent(context_.units.UnitPresFactor), captions_,
                         companions_.DataTime};
  const bool ok = readFile(file, reading);
  if (file != companions_.FileName) setFile(file);
  if (!ok) {
    fail();
    return;
  }
  snapshot_ = reading.snapshot;
  captions_ = reading.captions;
  companions_.raiseDataTime(reading.dataTime);
  // A fault a minute ago (a torn write) must not silence the source for good.
  errorText_.clear();
  settings_.errorText.clear();
}

void HistoryFileController::ButtonParcourirClick(const QString& file) {
  resetCaptions();
  captions_.set(QStringLiteral("Editdatemeteo"), QString());
  if (QFileInfo(file).isFile()) {
    setFile(file);
    errorText_.clear();
    settings_.errorText.clear();
    refreshNow();
    return;
  }
  setFile(QString());
  fail();
  emit readingsChanged();
}

void HistoryFileController::fail() {
  context_.notifier.beep();
  errorText_ = settings_.errorText = QStringLiteral("Dateifehler");
}

}  // namespace parlhora
