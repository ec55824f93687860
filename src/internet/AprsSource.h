#pragma once

#include <QString>
#include <memory>

#include "internet/AprsPage.h"
#include "weather/TimedSource.h"
#include "weather/WebSourceSettings.h"

namespace parlhora {

class DownloadToFile;
class NetworkSession;

/// The APRS source: fetches the raw-packet page of the address in EditDat
/// (or reads a local two-line weather file), keeps the newest packet line as
/// "aprs_web.txt", decodes its weather string into the snapshot and the
/// captions, and writes "aprs_cw.txt". Downloads share the session's cookie
/// jar, so a log-in made in the window's browser carries over; while that
/// browser is shown, timer refreshes of a web address only re-arm the timer.
/// The window is a view of this object and of its settings model. Core
/// thread only.
class AprsSource : public TimedSource {
  Q_OBJECT

 public:
  /// `settings` is the APRS_ model of the settings file; both it and
  /// `context` outlive this object. Without `network` the source makes its
  /// own session (and cookie jar).
  AprsSource(SourceContext& context, WebSourceSettings& settings, QObject* parent = nullptr,
             NetworkSession* network = nullptr);
  ~AprsSource() override;

  // SourceController
  void refresh() override;
  void applySettings() override;
  void close() override;
  void waitUntilIdle() override;
  const ReadingBoxes& boxes() const override { return settings_.boxes; }

  // The window's events.
  void EditDatKeyPress();  // Enter: fetch the address
  void EditDatChange(const QString& text);
  void ButtonRafraichirClick();
  void ComboBoxPathChange(int index);
  void ComboBoxTUChange(int index);
  void SpinEditOffSetPressionChange(int steps);
  void setRawWind(RawWindUnit unit);
  void setRawFahrenheit(bool fahrenheit);
  void setRawInch(bool inch);
  /// "Durchsuchen" chose `path` (empty = cancelled).
  void fileChosen(const QString& path);
  /// The log-in browser was shown or hidden. Showing it drops
  /// "aprs_web.txt", so nothing fetched before the log-in is decoded again.
  void setBrowserShown(bool shown);
  bool browserShown() const { return browserShown_; }

  /// The decode command: takes `file` as if it had just been downloaded
  /// from the address, then decodes and writes "aprs_cw.txt". No network.
  /// Returns the fetch status.
  int refreshFromFile(const QString& file);

  WebSourceSettings& settings() { return settings_; }
  int fetchStatus() const { return fetchStatus_; }
  bool downloading() const { return downloading_; }
  /// StaticTextErreur as shown: "Herunterladen ..." while a download runs.
  QString statusText() const;
  int historyIndex() const { return historyIndex_; }
  DownloadToFile& downloader() { return *download_; }
  QString dataFile() const { return dataFile_; }

 signals:
  void historyChanged();
  /// A refresh was asked for from the window: the favourites window hides.
  void hideFavouritesRequested();
  /// A fetch or a refresh click closes the log-in browser.
  void hideBrowserRequested();

 protected:
  void doRefresh() override {}

 private:
  QString address() const;
  QString localPath() const;
  QString webFile() const;
  void setError(const QString& text);
  void beginRefresh();
  void startFetch();
  void onDownloaded(int status);
  void afterFetch();
  void finishRefresh();
  void decodeDataFile();
  void writePlainLine(const QString& line);
  void resetCaptions();
  void addRecent(const QString& address);
  void clickRefreshUnlessBusy();

  WebSourceSettings& settings_;
  std::unique_ptr<NetworkSession> ownNetwork_;
  std::unique_ptr<DownloadToFile> download_;
  QString dataFile_;
  int fetchStatus_ = AprsPage::Ok;
  int historyIndex_ = -1;
  bool downloading_ = false;
  bool refreshRunning_ = false;  // the running download belongs to a refresh
  bool busy_ = false;            // inside ButtonRafraichirClick
  bool justFetched_ = false;     // the next refresh decodes what a fetch just got
  bool browserShown_ = false;
};

}  // namespace parlhora
