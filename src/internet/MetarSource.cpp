#include "internet/MetarSource.h"

#include <QDir>
#include <QFile>

#include "internet/MetarAddress.h"
#include "internet/MetarReadings.h"
#include "internet/MetarSideFiles.h"
#include "platform/Clock.h"
#include "weather/UnitFactors.h"

namespace parlhora {

namespace {

// Only the end of a data file matters; a huge file is not read whole.
constexpr qint64 kTailBytes = 64 * 1024;

QString lastReportLine(QFile& file) {
  if (file.size() > kTailBytes) file.seek(file.size() - kTailBytes);
  const QStringList lines = MetarPage::lines(file.readAll());
  for (auto it = lines.crbegin(); it != lines.crend(); ++it)
    if (!it->trimmed().isEmpty()) return *it;
  return {};
}

}  // namespace

MetarSource::MetarSource(SourceContext& context, WebSourceSettings& settings, QObject* parent,
                         NetworkSession* network)
    : WebSource(WeatherSource::METAR, context, settings, parent, network) {
  captions_.set("LabelICAO", QStringLiteral("Airport code = "));
  captions_.set("Editdatemeteo", QString());
  MetarReadings::setEmpty(context.units, captions_);
  captions_.set("CheckBoxTRes", QStringLiteral("gefühlt (°%1) = ").arg(context.units.UnitTempText));
  captions_.set("LabelTros", QStringLiteral("Taupunkt (°%1) = ").arg(context.units.UnitTempText));
  addressCaptions(address());
}

void MetarSource::applySettings() {
  // Entries are only ever added, so an empty list is a fresh install.
  if (settings_.history.isEmpty())
    for (const QString& example : MetarAddress::examples()) settings_.history.append(example.toLocal8Bit());
  WebSource::applySettings();
}

int MetarSource::examine(const QString& file, const QString& address) {
  return MetarPage::examine(file, address, context_.notifier);
}

void MetarSource::clearCaptions() {
  MetarReadings::setEmpty(context_.units, captions_);
  captions_.set("Editdatemeteo", QString());
}

void MetarSource::addressCaptions(const QString& address) {
  captions_.set("LabelNomICAO", MetarAddress::stationName(address));
  captions_.set("Label6", context_.units.inHg() ? QStringLiteral("0.01*inHg") : QStringLiteral("hPa"));
}

void MetarSource::beginRefresh() {
  for (const char* name : {"CheckBoxText", "CheckBoxPatm", "CheckBoxVent", "CheckBoxRafa", "CheckBoxDire",
                           "CheckBoxTRes", "CheckBoxPluie"})
    captions_.setRed(name, false);
  captions_.set("Label6", context_.units.inHg() ? QStringLiteral("0.01*inHg") : QStringLiteral("hPa"));
}

void MetarSource::enterLocal(const QString& address) {
  (void)address;
  // A local file needs no download: Enter simply reads it.
  refreshNow();
}

bool MetarSource::decodeDataFile() {
  if (dataFile_.isEmpty()) return false;
  QFile file(dataFile_);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QString line = lastReportLine(file);
  const MetarGroups groups = MetarGroups::parse(line);
  const MetarReadings::Options options{context_.units, settings_.pressureOffset, settings_.timeBase == 1,
                                       context_.clock.now()};
  const auto time = MetarReadings::apply(groups, options, snapshot_, companions_, captions_);
  // A file without a report took no reading: all are absent now.
  if (line.isEmpty()) return false;
  if (time) stamp_ = MetarReportTime::uiviewStamp(time->local);
  MetarSideFiles::write(context_.programFolder, context_.weatherFolder, stamp_,
                        MetarSideFiles::uiviewWeather(groups, captions_, snapshot_),
                        MetarSideFiles::plainLine(groups, captions_, snapshot_, context_.units),
                        context_.notifier);
  return true;
}

}  // namespace parlhora
