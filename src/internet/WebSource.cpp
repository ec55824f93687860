#include "internet/WebSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "internet/DownloadToFile.h"
#include "internet/MetarAddress.h"
#include "internet/NetworkSession.h"
#include "internet/RecentAddresses.h"

namespace parlhora {

WebSource::WebSource(WeatherSource id, SourceContext& context, WebSourceSettings& settings, QObject* parent,
                     NetworkSession* network)
    : TimedSource(id, context, settings.refreshMinutes, parent), settings_(settings) {
  if (!network) {
    ownNetwork_ = std::make_unique<NetworkSession>();
    network = ownNetwork_.get();
  }
  download_ = std::make_unique<DownloadToFile>(network->manager());
  connect(download_.get(), &DownloadToFile::finished, this,
          [this](DownloadToFile::Status s) { onDownloaded(s); });
}

WebSource::~WebSource() = default;

QString WebSource::address() const { return QString::fromLocal8Bit(settings_.address); }

QString WebSource::localPath(const QString& a) const {
  return QDir(context_.programFolder).filePath(MetarAddress::withoutComment(a));
}

QString WebSource::webFile() const { return QDir(context_.programFolder).filePath(webFileName()); }

QString WebSource::statusText() const {
  return downloading_ ? QStringLiteral("Herunterladen ...") : errorText_;
}

QString WebSource::errorText() const {
  return downloading_ && !filled_ ? QStringLiteral("Herunterladen ...") : errorText_;
}

void WebSource::setError(const QString& text) {
  settings_.errorText = text;
  setErrorText(text);
}

void WebSource::applySettings() {
  historyIndex_ = static_cast<int>(settings_.history.lastIndexOf(settings_.address));
  takePeriod();
  errorText_ = settings_.errorText;
  const QString a = address();
  dataFile_ =
      !a.isEmpty() && !MetarAddress::isWeb(a) && QFileInfo::exists(localPath(a)) ? localPath(a) : QString();
  companions_.FileName = a;
  addressCaptions(a);
  emit historyChanged();
  emit readingsChanged();
}

void WebSource::close() {
  queued_.reset();
  cancelRunning(false);
  stop();
}

void WebSource::waitUntilIdle() {
  // A queued request starts as the running one ends.
  while (downloading_) download_->wait();
}

void WebSource::submit(const Request& request) {
  if (downloading_ && running_->address == request.address) {
    queued_ = request;  // a newer request replaces an older queued one
    emit readingsChanged();
    return;
  }
  // Another address: what the running download brings is no longer wanted.
  queued_.reset();
  cancelRunning();
  run(request);
}

void WebSource::cancelRunning(bool logged) {
  if (!downloading_) return;
  download_->abort();
  downloading_ = false;
  if (logged)
    context_.logLine(kindName() + QStringLiteral(": ") + running_->address + QStringLiteral(": abgebrochen"));
  running_.reset();
}

void WebSource::run(const Request& request) {
  if (request.purpose == Purpose::Refresh) return runRefresh(request.address);
  if (request.address.isEmpty()) return;
  if (MetarAddress::isWeb(request.address))
    startFetch(request);
  else
    enterLocal(request.address);
}

void WebSource::refresh() { submit({address(), Purpose::Refresh}); }

void WebSource::runRefresh(const QString& a) {
  stop();
  beginRefresh();
  if (MetarAddress::isWeb(a)) {
    if (holdsWebRefresh()) {
      restartTimer();
      emit readingsChanged();
      return;
    }
    startFetch({a, Purpose::Refresh});
    return;
  }
  if (!a.isEmpty()) {
    // A local file is read where the address points, not from an older
    // choice; a missing one is an error rather than silently old data.
    if (QFileInfo::exists(localPath(a))) {
      dataFile_ = localPath(a);
      if (errorText_.startsWith(QLatin1String("Dateifehler"))) setError(QString());
    } else {
      dataFile_.clear();
      fetchStatus_ = missingFileStatus();
      setError(QStringLiteral("Dateifehler #%1").arg(fetchStatus_));
    }
  }
  finishRefresh(true);
}

void WebSource::EditDatKeyPress() {
  userRequest();
  const QString a = address();
  if (a.isEmpty()) return;
  submit({a, Purpose::Fetch});
}

void WebSource::startFetch(const Request& request) {
  fetchStatus_ = 0;
  QFile::remove(webFile());
  downloading_ = true;
  running_ = request;
  emit readingsChanged();
  download_->start(QUrl(MetarAddress::withoutComment(request.address)), webFile());
}

void WebSource::onDownloaded(int status) {
  downloading_ = false;
  const Request request = *running_;
  running_.reset();
  if (status == DownloadToFile::Ok)
    fetchStatus_ = examine(webFile(), request.address);
  else
    fetchStatus_ = status == DownloadToFile::TooLarge ? tooLargeStatus() : 1;
  if (status != DownloadToFile::Ok)
    context_.logLine(kindName() + QStringLiteral(": ") + download_->errorText());
  afterFetch(request);
  if (request.purpose == Purpose::Refresh)
    finishRefresh(fetchStatus_ == 0);
  else if (fetchStatus_ == 0)
    decodeFetched();
  else
    emit readingsChanged();
  if (queued_ && !downloading_) {
    const Request next = *queued_;
    queued_.reset();
    run(next);
  }
}

void WebSource::afterFetch(const Request& request) {
  if (fetchStatus_ != 0) {
    setError(QStringLiteral("Dateifehler #%1").arg(fetchStatus_));
    fetchFailed(fetchStatus_, request.address);
    restartTimer();
    return;
  }
  setError(QString());
  clearCaptions();
  dataFile_ = webFile();
  addRecent(request.address);
  addressCaptions(request.address);
}

void WebSource::decodeFetched() {
  // As the click on "Aktualisieren" after a fetch, without fetching again
  // and without putting a newer EditDat into the recent list.
  emit hideFavouritesRequested();
  takePeriod();
  stop();
  beginRefresh();
  finishRefresh(true);
}

void WebSource::finishRefresh(bool decode) {
  // A failed fetch leaves the snapshot as it was.
  if (decode && decodeDataFile()) filled_ = true;
  restartTimer();
  emit readingsChanged();
}

int WebSource::refreshFromFile(const QString& file) {
  queued_.reset();
  cancelRunning(false);
  stop();
  beginRefresh();
  const QString target = webFile();
  if (QFileInfo(file).absoluteFilePath() != QFileInfo(target).absoluteFilePath()) {
    QFile::remove(target);
    if (!QFileInfo::exists(file))
      fetchStatus_ = 2;
    else if (!QFile::copy(file, target))
      fetchStatus_ = 1;
    else
      fetchStatus_ = 0;
  } else {
    fetchStatus_ = 0;
  }
  if (fetchStatus_ == 0) fetchStatus_ = examine(target, address());
  afterFetch({address(), Purpose::Fetch});
  if (fetchStatus_ == 0 && decodeDataFile()) filled_ = true;
  restartTimer();
  emit readingsChanged();
  return fetchStatus_;
}

void WebSource::addRecent(const QString& a) {
  const int index = RecentAddresses::add(settings_.history, a.toLocal8Bit());
  if (index < 0) return;
  historyIndex_ = index;
  emit historyChanged();
}

void WebSource::clickRefreshUnlessBusy() {
  if (!busy_) ButtonRafraichirClick();
}

void WebSource::EditDatChange(const QString& text) {
  settings_.address = text.toLocal8Bit();
  companions_.FileName = text;
  addressCaptions(text);
  emit readingsChanged();
}

void WebSource::ButtonRafraichirClick() {
  busy_ = true;
  userRequest();
  emit hideFavouritesRequested();
  const bool selected = historyIndex_ >= 0 && historyIndex_ < settings_.history.size();
  if (!selected || settings_.history[historyIndex_] != settings_.address) addRecent(address());
  refreshNow();
  busy_ = false;
}

void WebSource::ComboBoxPathChange(int index) {
  if (index < 0 || index >= settings_.history.size()) return;
  historyIndex_ = index;
  if (settings_.history[index] == settings_.address) {
    addressCaptions(address());
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

void WebSource::ComboBoxTUChange(int index) {
  settings_.timeBase = index;
  clickRefreshUnlessBusy();
}

void WebSource::SpinEditOffSetPressionChange(int steps) {
  settings_.pressureOffset = steps;
  clickRefreshUnlessBusy();
}

}  // namespace parlhora
