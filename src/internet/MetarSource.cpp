#include "internet/MetarSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>

#include "internet/DownloadToFile.h"
#include "internet/MetarAddress.h"
#include "internet/MetarReadings.h"
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
    : TimedSource(WeatherSource::METAR, context, settings.refreshMinutes, parent), settings_(settings) {
  if (!network) {
    ownNetwork_ = std::make_unique<NetworkSession>();
    network = ownNetwork_.get();
  }
  download_ = std::make_unique<DownloadToFile>(network->manager());
  connect(download_.get(), &DownloadToFile::finished, this,
          [this](DownloadToFile::Status s) { onDownloaded(s); });
  captions_.set("LabelICAO", QStringLiteral("Airport code = "));
  captions_.set("Editdatemeteo", QString());
  MetarReadings::setEmpty(context.units, captions_);
  captions_.set("CheckBoxTRes", QStringLiteral("gefühlt (°%1) = ").arg(context.units.UnitTempText));
  captions_.set("LabelTros", QStringLiteral("Taupunkt (°%1) = ").arg(context.units.UnitTempText));
  updateAddressCaptions();
}

MetarSource::~MetarSource() = default;

QString MetarSource::address() const { return QString::fromLocal8Bit(settings_.address); }

QString MetarSource::webFile() const { return QDir(context_.programFolder).filePath("metar_web.txt"); }

QString MetarSource::statusText() const {
  return downloading_ ? QStringLiteral("Herunterladen ...") : errorText_;
}

void MetarSource::setError(const QString& text) {
  settings_.errorText = text;
  setErrorText(text);
}

void MetarSource::updateAddressCaptions() {
  captions_.set("LabelNomICAO", MetarAddress::stationName(address()));
  captions_.set("Label6", context_.units.inHg() ? QStringLiteral("0.01*inHg") : QStringLiteral("hPa"));
  companions_.FileName = address();
}

void MetarSource::applySettings() {
  // Entries are only ever added, so an empty list is a fresh install.
  if (settings_.history.isEmpty())
    for (const QString& example : MetarAddress::examples()) settings_.history.append(example.toLocal8Bit());
  historyIndex_ = static_cast<int>(settings_.history.lastIndexOf(settings_.address));
  takePeriod();
  errorText_ = settings_.errorText;
  const QString a = address();
  const QString local = QDir(context_.programFolder).filePath(MetarAddress::withoutComment(a));
  dataFile_ = !a.isEmpty() && !MetarAddress::isWeb(a) && QFileInfo::exists(local) ? local : QString();
  updateAddressCaptions();
  emit historyChanged();
  emit readingsChanged();
}

void MetarSource::close() {
  download_->abort();
  downloading_ = false;
  refreshRunning_ = false;
  stop();
}

void MetarSource::beginRefresh() {
  for (const char* name : {"CheckBoxText", "CheckBoxPatm", "CheckBoxVent", "CheckBoxRafa", "CheckBoxDire",
                           "CheckBoxTRes", "CheckBoxPluie"})
    captions_.setRed(name, false);
  updateAddressCaptions();
}

void MetarSource::refresh() {
  // The download's end finishes the refresh that started it and re-arms
  // the timer; a second refresh meanwhile would only fetch the same page.
  if (downloading_) return;
  stop();
  beginRefresh();
  const QString a = address();
  if (MetarAddress::isWeb(a) && !justFetched_) {
    refreshRunning_ = true;
    startFetch();
    return;
  }
  justFetched_ = false;
  if (!a.isEmpty() && !MetarAddress::isWeb(a)) {
    // A local file is read where the address points, not from an older
    // choice; a missing one is an error rather than silently old data.
    const QString path = QDir(context_.programFolder).filePath(MetarAddress::withoutComment(a));
    if (QFileInfo::exists(path)) {
      dataFile_ = path;
      if (errorText_.startsWith(QLatin1String("Dateifehler"))) setError(QString());
    } else {
      dataFile_.clear();
      fetchStatus_ = MetarPage::NoReport;
      setError(QStringLiteral("Dateifehler #%1").arg(fetchStatus_));
    }
  }
  finishRefresh();
}

void MetarSource::EditDatKeyPress() {
  const QString a = address();
  if (a.isEmpty() || downloading_) return;
  if (!MetarAddress::isWeb(a)) {
    // A local file needs no download: Enter simply reads it.
    refreshNow();
    return;
  }
  startFetch();
}

void MetarSource::startFetch() {
  fetchStatus_ = MetarPage::Ok;
  QFile::remove(webFile());
  downloading_ = true;
  emit readingsChanged();
  download_->start(QUrl(MetarAddress::withoutComment(address())), webFile());
}

void MetarSource::onDownloaded(int status) {
  downloading_ = false;
  fetchStatus_ = status == DownloadToFile::Ok ? MetarPage::examine(webFile(), address(), context_.notifier)
                                              : MetarPage::DownloadFailed;
  if (status != DownloadToFile::Ok) context_.logLine(QStringLiteral("METAR: ") + download_->errorText());
  afterFetch();
  if (refreshRunning_) {
    refreshRunning_ = false;
    finishRefresh();
  } else if (fetchStatus_ == MetarPage::Ok && !busy_) {
    justFetched_ = true;
    ButtonRafraichirClick();
  } else {
    emit readingsChanged();
  }
}

void MetarSource::afterFetch() {
  if (fetchStatus_ != MetarPage::Ok) {
    setError(QStringLiteral("Dateifehler #%1").arg(fetchStatus_));
    restartTimer();
    return;
  }
  setError(QString());
  MetarReadings::setEmpty(context_.units, captions_);
  captions_.set("Editdatemeteo", QString());
  dataFile_ = webFile();
  addRecent(address());
}

void MetarSource::finishRefresh() {
  // A failed fetch leaves the snapshot as it was.
  if (!(MetarAddress::isWeb(address()) && fetchStatus_ != MetarPage::Ok)) decodeDataFile();
  restartTimer();
  emit readingsChanged();
}

void MetarSource::decodeDataFile() {
  if (dataFile_.isEmpty()) return;
  QFile file(dataFile_);
  if (!file.open(QIODevice::ReadOnly)) return;
  const QString line = lastReportLine(file);
  const MetarGroups groups = MetarGroups::parse(line);
  const MetarReadings::Options options{context_.units, settings_.pressureOffset, settings_.timeBase == 1,
                                       context_.clock.now()};
  const auto time = MetarReadings::apply(groups, options, snapshot_, companions_, captions_);
  // A file without a report took no reading: all are absent now.
  if (line.isEmpty()) return;
  if (time) stamp_ = MetarReportTime::uiviewStamp(time->local);
  MetarSideFiles::write(context_.programFolder, context_.weatherFolder, stamp_,
                        MetarSideFiles::uiviewWeather(groups, captions_, snapshot_),
                        MetarSideFiles::plainLine(groups, captions_, snapshot_, context_.units),
                        context_.notifier);
}

int MetarSource::refreshFromFile(const QString& file) {
  download_->abort();
  downloading_ = false;
  stop();
  beginRefresh();
  const QString target = webFile();
  if (QFileInfo(file).absoluteFilePath() != QFileInfo(target).absoluteFilePath()) {
    QFile::remove(target);
    if (!QFileInfo::exists(file))
      fetchStatus_ = MetarPage::CannotOpen;
    else if (!QFile::copy(file, target))
      fetchStatus_ = MetarPage::DownloadFailed;
    else
      fetchStatus_ = MetarPage::Ok;
  } else {
    fetchStatus_ = MetarPage::Ok;
  }
  if (fetchStatus_ == MetarPage::Ok) fetchStatus_ = MetarPage::examine(target, address(), context_.notifier);
  afterFetch();
  if (fetchStatus_ == MetarPage::Ok) decodeDataFile();
  restartTimer();
  emit readingsChanged();
  return fetchStatus_;
}

void MetarSource::waitUntilIdle() {
  if (downloading_) download_->wait();
}

void MetarSource::addRecent(const QString& a) {
  const int index = RecentAddresses::add(settings_.history, a.toLocal8Bit());
  if (index < 0) return;
  historyIndex_ = index;
  emit historyChanged();
}

void MetarSource::EditDatChange(const QString& text) {
  settings_.address = text.toLocal8Bit();
  updateAddressCaptions();
  emit readingsChanged();
}

void MetarSource::ButtonRafraichirClick() {
  busy_ = true;
  emit hideFavouritesRequested();
  const bool selected = historyIndex_ >= 0 && historyIndex_ < settings_.history.size();
  if (!selected || settings_.history[historyIndex_] != settings_.address) addRecent(address());
  refreshNow();
  busy_ = false;
}

void MetarSource::ComboBoxPathChange(int index) {
  if (index < 0 || index >= settings_.history.size()) return;
  historyIndex_ = index;
  if (settings_.history[index] == settings_.address) {
    updateAddressCaptions();
    emit readingsChanged();
    return;
  }
  EditDatChange(QString::fromLocal8Bit(settings_.history[index]));
  // The click fetches a web address itself; Enter would only repeat it.
  if (!busy_)
    ButtonRafraichirClick();
  else
    EditDatKeyPress();
}

void MetarSource::ComboBoxTUChange(int index) {
  settings_.timeBase = index;
  ButtonRafraichirClick();
}

void MetarSource::SpinEditOffSetPressionChange(int steps) {
  settings_.pressureOffset = steps;
  if (!busy_) ButtonRafraichirClick();
}

}  // namespace parlhora
