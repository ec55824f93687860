#pragma once

#include <QByteArray>

#include "stations/net/NetUpload.h"

namespace parlhora {

/// Reads a station upload: an Ecowitt form body or a Wunderground query
/// string ("tempf=68.2&baromrelin=29.92&..."). Field names are matched
/// without regard to case; the first of a duplicated field counts. A value
/// that is no number, not finite or outside what a station can measure
/// leaves its field empty. Never fails: junk gives an upload without readings.
class UploadParser {
 public:
  static NetUpload parse(const QByteArray& form);
  /// "%41+b" -> "A b".
  static QByteArray percentDecoded(const QByteArray& text);
};

}  // namespace parlhora
