#pragma once

#include <QJsonObject>
#include <QList>
#include <optional>

namespace parlhora {

/// What the 24-hour rain and the pressure tendency need from earlier
/// uploads: one sample every five minutes over the last 25 hours, and when
/// the rain counter last went back. Times are days since 1899-12-30, taken
/// when an upload arrived.
class UploadHistory {
 public:
  static constexpr double kSpacingDays = 5.0 / 1440;

  struct Sample {
    double time = 0;
    std::optional<double> pressure;  // hPa
    std::optional<double> rain;      // running total, mm
    int counter = 0;                 // which running total
  };

  /// An accepted upload at `now`.
  void add(double now, std::optional<double> pressureHpa, std::optional<double> rainMm, int counter);
  /// The pressure now minus that about an hour ago; none until an hour is covered.
  std::optional<double> pressureChange(double now, double pressureHpa) const;
  /// The rain of the last 24 hours; none until they are covered and when
  /// the counter went back (or changed) within them.
  std::optional<double> rain24(double now, double totalMm, int counter) const;

  const QList<Sample>& samples() const { return samples_; }
  QJsonObject toJson() const;
  /// Whatever the object holds that makes sense; the rest is dropped.
  static UploadHistory fromJson(const QJsonObject& json);

 private:
  const Sample* newestAtOrBefore(double time, double notBefore) const;

  QList<Sample> samples_;
  double resetTime_ = 0;
  std::optional<double> lastRain_;
  int lastCounter_ = 0;
};

}  // namespace parlhora
