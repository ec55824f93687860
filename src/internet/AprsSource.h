#pragma once

#include <QString>
#include <optional>

#include "internet/AprsPage.h"
#include "internet/AprsWeather.h"
#include "internet/WebSource.h"

namespace parlhora {

/// The APRS source: fetches the raw-packet page of the address in EditDat
/// (or reads a local two-line weather file), keeps the newest packet line as
/// "aprs_web.txt", decodes its weather string into the snapshot and the
/// captions, and writes "aprs_cw.txt". Downloads share the session's cookie
/// jar, so a log-in made in the window's browser carries over; while that
/// browser is shown, timer refreshes of a web address only re-arm the timer.
/// The window is a view of this object and of its settings model. Core
/// thread only.
class AprsSource : public WebSource {
  Q_OBJECT

 public:
  /// `settings` is the APRS_ model of the settings file; both it and
  /// `context` outlive this object. Without `network` the source makes its
  /// own session (and cookie jar).
  AprsSource(SourceContext& context, WebSourceSettings& settings, QObject* parent = nullptr,
             NetworkSession* network = nullptr);

  void applySettings() override;
  void close() override;

  // The window's events beyond those of every web source.
  void setRawWind(RawWindUnit unit);
  void setRawFahrenheit(bool fahrenheit);
  void setRawInch(bool inch);
  /// "Durchsuchen" chose `path` (empty = cancelled).
  void fileChosen(const QString& path);
  /// The log-in browser was shown or hidden. Showing it drops
  /// "aprs_web.txt", so nothing fetched before the log-in is decoded again.
  void setBrowserShown(bool shown);
  bool browserShown() const { return browserShown_; }

 signals:
  /// A fetch or a refresh click closes the log-in browser.
  void hideBrowserRequested();

 protected:
  QString webFileName() const override { return QStringLiteral("aprs_web.txt"); }
  QString kindName() const override { return QStringLiteral("APRS"); }
  int examine(const QString& file, const QString& address) override;
  int tooLargeStatus() const override { return AprsPage::NoPacket; }
  int missingFileStatus() const override { return AprsPage::NoDataFile; }
  void clearCaptions() override;
  void addressCaptions(const QString& address) override;
  void beginRefresh() override;
  bool decodeDataFile() override;
  void fetchFailed(int status, const QString& address) override;
  void enterLocal(const QString& address) override;
  void userRequest() override;
  bool holdsWebRefresh() const override { return browserShown_; }

 private:
  void writePlainLine(const QString& line);
  void resetCaptions();

  std::optional<AprsWeather> lastWeather_;  // what the readings were decoded from
  bool browserShown_ = false;
};

}  // namespace parlhora
