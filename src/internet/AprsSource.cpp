#include "internet/AprsSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>

#include "internet/AprsReadings.h"
#include "internet/AprsReportDate.h"
#include "internet/AprsWeather.h"
#include "internet/DownloadToFile.h"
#include "internet/MetarAddress.h"
#include "internet/MetarPage.h"
#include "internet/MetarReportTime.h"
#include "internet/MetarSideFiles.h"
#include "internet/NetworkSession.h"
#include "internet/RecentAddresses.h"
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
    : TimedSource(WeatherSource::APRS, context, settings.refreshMinutes, parent), settings_(settings) {
  if (!network) {
    ownNetwork_ = std::make_unique<NetworkSession>();
    network = ownNetwork_.get();
  }
  download_ = std::make_unique<DownloadToFile>(network->manager());
  connect(download_.get(), &DownloadToFile::finished, this,
          [this](DownloadToFile::Status s) { onDownloaded(s); });
  captions_.set("Editdatemeteo", QString());
  resetCaptions();
  captions_.set("ButtonLogin", AprsPage::loginCaption());
}

AprsSource::~AprsSource() = default;

QString AprsSource::address() const { return QString::fromLocal8Bit(settings_.address); }

QString AprsSource::localPath() const {
  return QDir(context_.programFolder).filePath(MetarAddress::withoutComment(address()));
}

QString AprsSource::webFile() const { return QDir(context_.programFolder).filePath("aprs_web.txt"); }

QString AprsSource::statusText() const {
  return downloading_ ? QStringLiteral("Herunterladen ...") : errorText_;
}

void AprsSource::setError(const QString& text) {
  settings_.errorText = text;
  setErrorText(text);
}

void AprsSource::resetCaptions() {
  AprsReadings::setEmpty(context_.units, captions_);
  captions_.set("Label6", context_.units.inHg() ? QStringLiteral("0.01*inHg") : QStringLiteral("hPa"));
  // In the units the settings chose, not those at creation, from the start.
  captions_.set("CheckBoxTRes", QStringLiteral("gefühlt (°%1) = ").arg(context_.units.UnitTempText));
  captions_.set("LabelTros", QStringLiteral("Taupunkt (°%1) = ").arg(context_.units.UnitTempText));
}

void AprsSource::applySettings() {
  historyIndex_ = static_cast<int>(settings_.history.lastIndexOf(settings_.address));
  takePeriod();
  errorText_ = settings_.errorText;
  const QString a = address();
  dataFile_ =
      !a.isEmpty() && !MetarAddress::isWeb(a) && QFileInfo::exists(localPath()) ? localPath() : QString();
  companions_.FileName = a;
  resetCaptions();
  emit historyChanged();
  emit readingsChanged();
}

void AprsSource::close() {
  download_->abort();
  downloading_ = false;
  refreshRunning_ = false;
  browserShown_ = false;
  stop();
}

void AprsSource::waitUntilIdle() {
  if (downloading_) download_->wait();
}

void AprsSource::beginRefresh() {
  for (const char* name : {"CheckBoxText", "CheckBoxPatm", "CheckBoxVent", "CheckBoxRafa", "CheckBoxDire",
                           "CheckBoxTRes", "CheckBoxPluie", "CheckBoxHumiExt"})
    captions_.setRed(name, false);
  captions_.set("Label6", context_.units.inHg() ? QStringLiteral("0.01*inHg") : QStringLiteral("hPa"));
}

void AprsSource::refresh() {
  // The download's end finishes the refresh that started it.
  if (downloading_) return;
  stop();
  beginRefresh();
  const QString a = address();
  if (MetarAddress::isWeb(a) && !justFetched_) {
    // A page fetched while the user is logging in would only be the
    // log-in prompt.
    if (browserShown_) {
      restartTimer();
      return;
    }
    refreshRunning_ = true;
    startFetch();
    return;
  }
  justFetched_ = false;
  if (!a.isEmpty() && !MetarAddress::isWeb(a)) {
    // A missing local file is an error, not silently old readings.
    if (QFileInfo::exists(localPath())) {
      dataFile_ = localPath();
      if (errorText_.startsWith(QLatin1String("Dateifehler"))) setError(QString());
    } else {
      dataFile_.clear();
      fetchStatus_ = AprsPage::NoDataFile;
      setError(QStringLiteral("Dateifehler #%1").arg(fetchStatus_));
    }
  }
  finishRefresh();
}

void AprsSource::EditDatKeyPress() {
  browserShown_ = false;
  emit hideBrowserRequested();
  const QString a = address();
  if (a.isEmpty() || downloading_) return;
  if (!MetarAddress::isWeb(a)) {
    if (QFileInfo::exists(localPath())) {
      resetCaptions();
      captions_.set("Editdatemeteo", QString());
      dataFile_ = localPath();
      addRecent(a);
      clickRefreshUnlessBusy();
    } else {
      setError(fetchStatus_ == 0 ? QString() : QStringLiteral("Dateifehler #%1").arg(fetchStatus_));
      restartTimer();
    }
    return;
  }
  startFetch();
}

void AprsSource::startFetch() {
  fetchStatus_ = AprsPage::Ok;
  QFile::remove(webFile());
  downloading_ = true;
  emit readingsChanged();
  download_->start(QUrl(MetarAddress::withoutComment(address())), webFile());
}

void AprsSource::onDownloaded(int status) {
  downloading_ = false;
  fetchStatus_ = status == DownloadToFile::Ok ? AprsPage::examine(webFile(), context_.notifier)
                                              : AprsPage::DownloadFailed;
  if (status != DownloadToFile::Ok) context_.logLine(QStringLiteral("APRS: ") + download_->errorText());
  afterFetch();
  if (refreshRunning_) {
    refreshRunning_ = false;
    finishRefresh();
  } else if (fetchStatus_ == AprsPage::Ok && !busy_) {
    justFetched_ = true;
    ButtonRafraichirClick();
  } else {
    emit readingsChanged();
  }
}

void AprsSource::afterFetch() {
  if (fetchStatus_ != AprsPage::Ok) {
    setError(QStringLiteral("Dateifehler #%1").arg(fetchStatus_));
    if (fetchStatus_ == AprsPage::NoPacket && address().contains(QLatin1String(AprsPage::kHost)))
      context_.notifier.errorBox(AprsPage::loginHint());
    restartTimer();
    return;
  }
  setError(QString());
  resetCaptions();
  captions_.set("Editdatemeteo", QString());
  dataFile_ = webFile();
  addRecent(address());
}

void AprsSource::finishRefresh() {
  // A failed fetch leaves the snapshot as it was.
  if (!(MetarAddress::isWeb(address()) && fetchStatus_ != AprsPage::Ok)) decodeDataFile();
  restartTimer();
  emit readingsChanged();
}

void AprsSource::decodeDataFile() {
  QFile file(dataFile_);
  if (dataFile_.isEmpty() || !file.open(QIODevice::ReadOnly)) {
    writePlainLine(QStringLiteral(" "));
    return;
  }
  const QStringList lines = nonEmptyTail(file);
  if (lines.isEmpty()) return;
  const AprsWeather w = AprsWeather::parse(lines.last());
  const AprsReadings::Options options{context_.units, settings_.pressureOffset, settings_.rawWind,
                                      settings_.rawFahrenheit, settings_.rawInch};
  AprsReadings::apply(w, options, snapshot_, captions_);

  const QDateTime written = QFileInfo(file).lastModified();
  if (written.isValid()) companions_.raiseDataTime(MetarReportTime::dayCount(written));
  const QDateTime now = context_.clock.now();
  if (const auto date = AprsReportDate::read(lines, settings_.timeBase == 0, now)) {
    captions_.set("Editdatemeteo", date->shown);
    if (date->pageStamp) settings_.timeBase = 1;
    if (date->local.isValid()) companions_.raiseDataTime(MetarReportTime::dayCount(date->local));
  }
  writePlainLine(AprsReadings::plainLine(w, snapshot_, context_.units));
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

int AprsSource::refreshFromFile(const QString& file) {
  download_->abort();
  downloading_ = false;
  stop();
  beginRefresh();
  const QString target = webFile();
  if (QFileInfo(file).absoluteFilePath() != QFileInfo(target).absoluteFilePath()) {
    QFile::remove(target);
    if (!QFileInfo::exists(file))
      fetchStatus_ = AprsPage::CannotOpen;
    else if (!QFile::copy(file, target))
      fetchStatus_ = AprsPage::DownloadFailed;
    else
      fetchStatus_ = AprsPage::Ok;
  } else {
    fetchStatus_ = AprsPage::Ok;
  }
  if (fetchStatus_ == AprsPage::Ok) fetchStatus_ = AprsPage::examine(target, context_.notifier);
  afterFetch();
  if (fetchStatus_ == AprsPage::Ok) decodeDataFile();
  restartTimer();
  emit readingsChanged();
  return fetchStatus_;
}

void AprsSource::addRecent(const QString& a) {
  const int index = RecentAddresses::add(settings_.history, a.toLocal8Bit());
  if (index < 0) return;
  historyIndex_ = index;
  emit historyChanged();
}

void AprsSource::clickRefreshUnlessBusy() {
  if (!busy_) ButtonRafraichirClick();
}

void AprsSource::EditDatChange(const QString& text) {
  settings_.address = text.toLocal8Bit();
  companions_.FileName = text;
  emit readingsChanged();
}

void AprsSource::ButtonRafraichirClick() {
  busy_ = true;
  browserShown_ = false;
  emit hideBrowserRequested();
  emit hideFavouritesRequested();
  const bool selected = historyIndex_ >= 0 && historyIndex_ < settings_.history.size();
  if (!selected || settings_.history[historyIndex_] != settings_.address) addRecent(address());
  refreshNow();
  busy_ = false;
}

void AprsSource::ComboBoxPathChange(int index) {
  if (index < 0 || index >= settings_.history.size()) return;
  historyIndex_ = index;
  if (settings_.history[index] == settings_.address) return;
  EditDatChange(QString::fromLocal8Bit(settings_.history[index]));
  if (!busy_)
    ButtonRafraichirClick();
  else
    EditDatKeyPress();
}

void AprsSource::ComboBoxTUChange(int index) {
  settings_.timeBase = index;
  clickRefreshUnlessBusy();
}

void AprsSource::SpinEditOffSetPressionChange(int steps) {
  settings_.pressureOffset = steps;
  clickRefreshUnlessBusy();
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
