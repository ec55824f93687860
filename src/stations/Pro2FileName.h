#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace parlhora {

/// The names of the Vantage Pro2 month files: year, "-", two-digit month,
/// ".wlk" ("2026-03.wlk"), one per month in one folder.
class Pro2FileName {
 public:
  /// The year (first four characters of the name) and month (between the
  /// first "-" and the first "."), or nullopt when they are no date.
  static std::optional<QDate> month(const QString& path);
  static bool hasWlkExtension(const QString& path);
  /// The file of `month` in `folder`.
  static QString monthFile(const QString& folder, QDate month);
  /// The current month's file beside `path` when `path` is of another month
  /// and that file exists; else `path`.
  static QString current(const QString& path, QDate today);
};

}  // namespace parlhora
