#pragma once

#include <QString>
#include <memory>

#include "internet/MetarGroups.h"
#include "internet/MetarPage.h"
#include "weather/TimedSource.h"
#include "weather/WebSourceSettings.h"

namespace parlhora {

class DownloadToFile;
class NetworkSession;

/// The METAR source: fetches the report page of the address in EditDat,
/// keeps the wanted airport's line as "metar_web.txt", decodes the last
/// line of its data file into the snapshot and the captions, and writes the
/// side files. Downloads run in the background; the refresh that started one
/// ends (and re-arms TimerMeteo) when it finishes, so refreshes never
/// overlap. The window is a view of this object and of its settings model.
/// Core thread only.
class MetarSource : public TimedSource {
  Q_OBJECT

 public:
  /// `settings` is the METAR_ model of the settings file; both it and
  /// `context` outlive this object. Without `network` the source makes its
  /// own session (and cookie jar).
  MetarSource(SourceContext& context, WebSourceSettings& settings, QObject* parent = nullptr,
              NetworkSession* network = nullptr);
  ~MetarSource() override;

  // SourceController
  void refresh() override;
  void applySettings() override;
  void close() override;
  const ReadingBoxes& boxes() const override { return settings_.boxes; }

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
  /// Runs a local event loop until a running download has been handled.
  void waitUntilIdle() override;

  WebSourceSettings& settings() { return settings_; }
  int fetchStatus() const { return fetchStatus_; }
  bool downloading() const { return downloading_; }
  /// StaticTextErreur as shown: "Herunterladen ..." while a download runs.
  QString statusText() const;
  /// The selected entry of the recent list (ComboBoxPath), -1 = none.
  int historyIndex() const { return historyIndex_; }
  DownloadToFile& downloader() { return *download_; }
  /// The file the decoder reads ("metar_web.txt" after a fetch).
  QString dataFile() const { return dataFile_; }

 signals:
  void historyChanged();
  /// A refresh was asked for from the window: the favourites window hides.
  void hideFavouritesRequested();

 protected:
  // refresh() is replaced as a whole: its end may come with a download.
  void doRefresh() override {}

 private:
  QString address() const;
  QString webFile() const;
  void setError(const QString& text);
  void beginRefresh();
  void startFetch();
  void onDownloaded(int status);
  void afterFetch();
  void finishRefresh();
  void decodeDataFile();
  void addRecent(const QString& address);
  void updateAddressCaptions();

  WebSourceSettings& settings_;
  std::unique_ptr<NetworkSession> ownNetwork_;
  std::unique_ptr<DownloadToFile> download_;
  QString dataFile_;
  int fetchStatus_ = MetarPage::Ok;
  int historyIndex_ = -1;
  bool downloading_ = false;
  bool refreshRunning_ = false;  // the running download belongs to a refresh
  bool busy_ = false;            // inside ButtonRafraichirClick
  bool justFetched_ = false;     // the next refresh decodes what a fetch just got
  QString stamp_;                // line 1 of "metar_uiview.txt", kept when no time decodes
};

}  // namespace parlhora
