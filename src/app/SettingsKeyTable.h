#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "app/SettingsFile.h"

namespace parlhora {

/// State of one load while its lines are applied.
struct SettingsLoadContext {
  AnnouncerSettings& settings;
  const FileProbe& fileExists;
  LoadReport& report;
  std::optional<WeatherSource> chosenSource;  // METEO=, applied after all lines
};

/// One settings key: how a line applies and what a save writes, in file order.
struct SettingsKeyRule {
  /// Returns an empty text when applied, else why the line was ignored.
  using Apply = std::function<QString(SettingsLoadContext&, const QByteArray& key, const QByteArray& value)>;
  using Write = std::function<void(const AnnouncerSettings&, QList<QByteArray>& lines)>;

  QByteArray key;       // with the trailing '=', or a prefix such as "APRS_FAV"
  bool prefix = false;  // key is a prefix followed by a slot number
  Apply apply;
  Write write;
};

/// Every key of the settings file, built once.
class SettingsKeyTable {
 public:
  static const SettingsKeyTable& instance();

  const std::vector<SettingsKeyRule>& rules() const { return rules_; }
  /// The rule for a key with its '=', or nullptr.
  const SettingsKeyRule* find(const QByteArray& key) const;

 private:
  SettingsKeyTable();
  void add(SettingsKeyRule rule) { rules_.push_back(std::move(rule)); }
  void addMainKeys();
  void addMonitorKeys();
  void addFileSourceKeys(const char* prefix, HistoryFileSettings AnnouncerSettings::*source);
  void addWebSourceKeys(const char* prefix, WebSourceSettings AnnouncerSettings::*source);
  void addTrailingKeys();
  void addCwIdKeys();  // CwIdKeys.cpp
  void addNetKeys();

  std::vector<SettingsKeyRule> rules_;
  QHash<QByteArray, int> exact_;
};

}  // namespace parlhora
