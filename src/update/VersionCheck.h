#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

namespace parlhora {

class Downloader;
class Notifier;

/// Compares the program's version with the published version list, at
/// start-up (silent unless newer) or from the about box (always answers).
/// Never blocks: the lookup runs on the event loop, so the first
/// announcement is never held up by it. Core thread only; borrows the
/// downloader and the notifier, which must outlive it.
class VersionCheck : public QObject {
  Q_OBJECT

 public:
  struct Config {
    QString programFolder;  // where "versions.txt" is put while it is read
    QUrl listUrl;           // the version list
    QString downloadPage;   // named in the newer-version message
    QString ownVersion;     // e.g. "2.2.3"
    QString programName = QStringLiteral("parlhora");
  };
  /// The published addresses, with this build's version.
  static Config defaults(const QString& programFolder, const QString& ownVersion);

  VersionCheck(Downloader& downloader, Notifier& notifier, Config config, QObject* parent = nullptr);

  /// After the settings were loaded with `CheckBoxInfoVersion` ticked: only a
  /// newer version is reported (beep, then the message); failures are silent.
  void checkAtStart();
  /// `BitBtnNewRelease`: every outcome is reported, failure as "Internet failure".
  void BitBtnNewReleaseClick();

  bool busy() const { return busy_; }
  /// "Eine neuere Version von Parlhora ist unter <download page> verfügbar".
  QString newerText() const;

  static QString upToDateText() { return QStringLiteral("Sie sind auf dem Laufenden"); }
  static QString failureText() { return QStringLiteral("Internet failure"); }

 signals:
  /// A text for a box with one OK button; `warning` for the failure box.
  void notice(const QString& text, bool warning);
  void busyChanged(bool busy);

 private:
  void start(bool answerAlways);
  void finish(int status);

  Downloader& downloader_;
  Notifier& notifier_;
  Config config_;
  bool busy_ = false;
  bool answerAlways_ = false;
};

}  // namespace parlhora
