#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "weather/TimedSource.h"
#include "weather/WebSourceSettings.h"

namespace parlhora {

class DownloadToFile;
class NetworkSession;

/// What a web source window has in common (METAR, APRS): an address in
/// EditDat (web page or local file), a download into "<kind>_web.txt" that
/// the page extraction cuts down to one line, the recent list, the timer,
/// and a decode of the data file's last line. Each download carries the
/// address it was started for: its result is checked against that address,
/// only that address enters the recent list, and the address captions come
/// from it. A request made while a download runs is queued (the newest one
/// replaces an older queued one) and starts as soon as the running one has
/// ended; a request for another address cancels the running download. A derived source gives its page
/// extraction, its captions and its decoder. Core thread only.
class WebSource : public TimedSource {
  Q_OBJECT

 public:
  /// `settings` is the source's model of the settings file; both it and
  /// `context` outlive this object. Without `network` the source makes its
  /// own session (and cookie jar).
  WebSource(WeatherSource id, SourceContext& context, WebSourceSettings& settings, QObject* parent,
            NetworkSession* network);
  ~WebSource() override;

  // SourceController
  void refresh() override;
  void applySettings() override;
  void close() override;
  void waitUntilIdle() override;
  const ReadingBoxes& boxes() const override { return settings_.boxes; }
  /// While the first download runs nothing has been decoded yet: the
  /// source counts as failing, so no unfilled reading is ever spoken.
  QString errorText() const override;

  // The window's events.
  void EditDatKeyPress();  // Enter: fetch the address
  void EditDatChange(const QString& text);
  void ButtonRafraichirClick();
  void ComboBoxPathChange(int index);
  void ComboBoxTUChange(int index);
  void SpinEditOffSetPressionChange(int steps);

  /// The decode command: takes `file` as if it had just been downloaded
  /// from the address, then decodes and writes the side files. No network.
  /// Returns the fetch status.
  int refreshFromFile(const QString& file);

  WebSourceSettings& settings() { return settings_; }
  int fetchStatus() const { return fetchStatus_; }
  bool downloading() const { return downloading_; }
  /// A request waits for the running download.
  bool requestQueued() const { return queued_.has_value(); }
  /// StaticTextErreur as shown: "Herunterladen ..." while a download runs.
  QString statusText() const;
  /// The selected entry of the recent list (ComboBoxPath), -1 = none.
  int historyIndex() const { return historyIndex_; }
  DownloadToFile& downloader() { return *download_; }
  /// The file the decoder reads ("<kind>_web.txt" after a fetch).
  QString dataFile() const { return dataFile_; }

 signals:
  void historyChanged();
  /// A refresh was asked for from the window: the favourites window hides.
  void hideFavouritesRequested();

 protected:
  enum class Purpose { Fetch, Refresh };  // Enter, or a refresh that decodes at its end
  struct Request {
    QString address;
    Purpose purpose;
  };

  // refresh() is replaced as a whole: its end may come with a download.
  void doRefresh() override {}

  /// "metar_web.txt", "aprs_web.txt".
  virtual QString webFileName() const = 0;
  /// "METAR", "APRS": the log lines' prefix.
  virtual QString kindName() const = 0;
  /// The page extraction of the downloaded file for `address`: a status.
  virtual int examine(const QString& file, const QString& address) = 0;
  /// The status of an answer that was cut off for its size: the page's
  /// "no report in it".
  virtual int tooLargeStatus() const = 0;
  /// The status of a local address whose file is missing.
  virtual int missingFileStatus() const = 0;
  /// The captions go back to their empty form after a successful fetch.
  virtual void clearCaptions() = 0;
  /// The captions that depend on the address (station name, units).
  virtual void addressCaptions(const QString& address) { (void)address; }
  /// The black check boxes of a refresh's start.
  virtual void beginRefresh() = 0;
  /// Decodes the data file's last line; true when it held one.
  virtual bool decodeDataFile() = 0;
  /// A failed fetch of `address` with `status`, after the error text.
  virtual void fetchFailed(int status, const QString& address) {
    (void)status;
    (void)address;
  }
  /// Enter on an address that is not a web address.
  virtual void enterLocal(const QString& address) = 0;
  /// Enter or "Aktualisieren" from the window (the log-in browser closes).
  virtual void userRequest() {}
  /// A timer refresh of a web address is held back (only re-arms the timer).
  virtual bool holdsWebRefresh() const { return false; }

  QString address() const;
  QString localPath(const QString& address) const;
  QString webFile() const;
  void setError(const QString& text);
  void addRecent(const QString& address);
  void clickRefreshUnlessBusy();

  WebSourceSettings& settings_;
  QString dataFile_;
  int fetchStatus_ = 0;
  bool busy_ = false;  // inside ButtonRafraichirClick

 private:
  /// A request for the running download's address waits for it; one for
  /// another address cancels it and runs at once.
  void submit(const Request& request);
  void cancelRunning(bool logged = true);
  void run(const Request& request);
  void runRefresh(const QString& address);
  void startFetch(const Request& request);
  void onDownloaded(int status);
  void afterFetch(const Request& request);
  void decodeFetched();
  void finishRefresh(bool decode);

  std::unique_ptr<NetworkSession> ownNetwork_;
  std::unique_ptr<DownloadToFile> download_;
  std::optional<Request> running_;
  std::optional<Request> queued_;
  int historyIndex_ = -1;
  bool downloading_ = false;
  bool filled_ = false;  // a decode has filled the snapshot since start
};

}  // namespace parlhora
