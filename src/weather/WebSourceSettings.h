#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

#include "weather/ReadingBoxes.h"

namespace parlhora {

/// Unit of the raw wind values on an APRS page.
enum class RawWindUnit { Mph, Kmh, Knots };

/// An internet source window: APRS (APRS_) or METAR (METAR_). Both use the
/// eight reading boxes TEMPEXT= .. HUMIDI= (no TEMPINT=, no PRETEND=).
struct WebSourceSettings {
  static constexpr int kMaxHistory = 10;
  static constexpr int kFavouriteSlots = 10;

  ReadingBoxes boxes;
  int refreshMinutes = 1;     // SpinEditRafraichir 1..60 (_METPERI=)
  QByteArray address;         // EditDat: web address or local file (_DAT=)
  QList<QByteArray> history;  // ComboBoxPath, newest first, at most kMaxHistory (_LIST=)
  std::array<QByteArray, kFavouriteSlots> favourites;  // slot n at [n-1] (_FAV1= .. _FAV10=)
  int pressureOffset = 0;                              // SpinEditOffSetPression (_POFFSET=)
  /// ComboBoxTU index: 0 "UT", 1 "Lok"; -1 none (METAR only). APRS starts at
  /// 1, METAR at -1; see aprsDefaults() / metarDefaults().
  int timeBase = -1;  // (_TU=)
  // APRS only: raw units of the page and the reminder login.
  RawWindUnit rawWind = RawWindUnit::Mph;  // APRS_KM=, APRS_KNOT=
  bool rawFahrenheit = true;               // APRS_DGF=
  bool rawInch = true;                     // APRS_INC=
  QByteArray id;                           // EditID (APRS_ID=)
  QByteArray password;                     // EditPW, plain text (APRS_PW=)
  QString errorText;                       // StaticTextErreur; empty = no error ("Dateifehler #6")

  static WebSourceSettings aprsDefaults() {
    WebSourceSettings s;
    s.timeBase = 1;
    return s;
  }
  static WebSourceSettings metarDefaults() { return WebSourceSettings{}; }
};

}  // namespace parlhora
