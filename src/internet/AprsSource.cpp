#include "internet/AprsSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "internet/AprsReadings.h"
#include "internet/AprsReportDate.h"
#include "internet/MetarPage.h"
#include "internet/MetarReportTime.h"
#include "internet/MetarSideFiles.h"
#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "weather/UnitFactors.h"

namespace parlhora {

namespace {

// Only the end of a data file matters; a huge file is not read whole.
constexpr qint64 kTailBytes = 64 * 1024;

QStringList nonEmptyTail(QFile& file) {
  if (file.size() > kTailBytes) file.seek(file.size() - kTailBytes);
  QStringList lines = MetarPage::lines(file.readAll());
  lines.removeIf([](const QString& l) { return l.trimmed().isEmpty(); });
  return lines;
}

}  // namespace

AprsSource::AprsSource(SourceContext& context, WebSourceSettings& settings, QObject* parent,
                       NetworkSession* network)
    : WebSource(WeatherSource::APRS, context, settings, parent, network) {
  captions_.set("Editdatemeteo", QString());
  resetCaptions();
  captions_.set("ButtonLogin", AprsPage::loginCaption());
}

void AprsSource::resetCaptions() {
  AprsReadings::setEmpty(context_.units, captions_);
  addressCaptions(address());
  // In the units the settings chose, not those at creation, from the start.
  captions_.set("CheckBoxTRes", QStringLiteral("gefühlt (°%1) = ").arg(context_.units.UnitTempText));
  captions_.set("LabelTros", QStringLiteral("Taupunkt (°%1) = ").arg(context_.units.UnitTempText));
}

void AprsSource::applySettings() {
  WebSource::applySettings();
  resetCaptions();
  emit readingsChanged();
}

void AprsSource::close() {
  browserShown_ = false;
  WebSource::close();
}

int AprsSource::examine(const QString& file, const QString& address) {
  (void)address;
  return AprsPage::examine(file, context_.notifier);
}

void AprsSource::clearCaptions() {
  resetCaptions();
  captions_.set("Editdatemeteo", QString());
}

void AprsSource::addressCaptions(const QString& address) {
  (void)address;
  captions_.set("Label6", context_.units.inHg() ? QStringLiteral("0.01*inHg") : QStringLiteral("hPa"));
}

void AprsSource::beginRefresh() {
  for (const char* name : {"CheckBoxText", "CheckBoxPatm", "CheckBoxVent", "CheckBoxRafa", "CheckBoxDire",
                           "CheckBoxTRes", "CheckBoxPluie", "CheckBoxHumiExt"})
    captions_.setRed(name, false);
  addressCaptions(address());
}

void AprsSource::fetchFailed(int status, const QString& address) {
  if (status == AprsPage::NoPacket && address.contains(QLatin1String(AprsPage::kHost)))
    context_.notifier.errorBox(AprsPage::loginHint());
}

void AprsSource::userRequest() {
  browserShown_ = false;
  emit hideBrowserRequested();
}

void AprsSource::enterLocal(const QString& address) {
  if (QFileInfo::exists(localPath(address))) {
    clearCaptions();
    dataFile_ = localPath(address);
    addRecent(address);
    clickRefreshUnlessBusy();
  } else {
    setError(fetchStatus_ == 0 ? QString() : QStringLiteral("Dateifehler #%1").arg(fetchStatus_));
    restartTimer();
  }
}

bool AprsSource::decodeDataFile() {
  QFile file(dataFile_);
  if (dataFile_.isEmpty() || !file.open(QIODevice::ReadOnly)) {
    // The readings stay as they were, and so does their plain-text line.
    writePlainLine(lastWeather_ ? AprsReadings::plainLine(*lastWeather_, snapshot_, context_.units)
                                : QStringLiteral(" "));
    return false;
  }
  const QStringList lines = nonEmptyTail(file);
  const AprsWeather w = lines.isEmpty() ? AprsWeather{} : AprsWeather::parse(lines.last());
  const AprsReadings::Options options{context_.units, settings_.pressureOffset, settings_.rawWind,
                                      settings_.rawFahrenheit, settings_.rawInch};
  AprsReadings::apply(w, options, snapshot_, captions_);
  // A file without a report took no reading: all are absent now.
  if (lines.isEmpty()) return false;
  lastWeather_ = w;

  const QDateTime written = QFileInfo(file).lastModified();
  if (written.isValid()) companions_.raiseDataTime(MetarReportTime::dayCount(written));
  const QDateTime now = context_.clock.now();
  if (const auto date = AprsReportDate::read(lines, settings_.timeBase == 0, now)) {
    captions_.set("Editdatemeteo", date->shown);
    if (date->pageStamp) settings_.timeBase = 1;
    if (date->local.isValid()) companions_.raiseDataTime(MetarReportTime::dayCount(date->local));
  }
  writePlainLine(AprsReadings::plainLine(w, snapshot_, context_.units));
  return true;
}

void AprsSource::writePlainLine(const QString& line) {
  const QString name = QStringLiteral("aprs_cw.txt");
  const QString box = QStringLiteral("Unmöglich um aprs_cw zu speichern");
  const QString folder = context_.weatherFolder;
  if (!folder.isEmpty() && QDir(folder).exists() &&
      !MetarSideFiles::writeLines(QDir(folder).filePath(name), {line}))
    context_.notifier.errorBox(box);
  if (!MetarSideFiles::writeLines(QDir(context_.programFolder).filePath(name), {line}))
    context_.notifier.errorBox(box);
}

void AprsSource::setRawWind(RawWindUnit unit) {
  settings_.rawWind = unit;
  clickRefreshUnlessBusy();
}

void AprsSource::setRawFahrenheit(bool fahrenheit) {
  settings_.rawFahrenheit = fahrenheit;
  clickRefreshUnlessBusy();
}

void AprsSource::setRawInch(bool inch) {
  settings_.rawInch = inch;
  resetCaptions();
  clickRefreshUnlessBusy();
}

void AprsSource::fileChosen(const QString& path) {
  if (path.isEmpty()) return;
  if (!QFileInfo::exists(path)) {
    EditDatChange(QString());
    context_.notifier.beep();
    return;
  }
  resetCaptions();
  EditDatChange(path);
  dataFile_ = path;
  addRecent(path);
  ButtonRafraichirClick();
}

void AprsSource::setBrowserShown(bool shown) {
  if (shown && !browserShown_) QFile::remove(webFile());
  browserShown_ = shown;
}

}  // namespace parlhora
