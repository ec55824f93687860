#include "cli/SettingsKeyHelp.h"

#include <QHash>

#include "app/AnnouncerSettings.h"
#include "app/SettingsKeyTable.h"

namespace parlhora {

namespace {

struct KeyHelp {
  const char* values;
  const char* absent;  // what a missing line means
  const char* meaning;
};

// By key without its source prefix (W23_, W28_, PRO2_, APRS_, METAR_), so
// one entry serves every weather window.
const QHash<QByteArray, KeyHelp>& helpTable() {
  static const QHash<QByteArray, KeyHelp> table = {
      {"RECORD=", {"Y", "aus", "Aufnahmeprogramm während der Ansage starten"}},
      {"RECORDER=", {"Pfad", "leer", "Pfad des Aufnahmeprogramms"}},
      {"ROSE=", {"16", "8", "Windrose mit 16 statt 8 Richtungen"}},
      {"OLD=", {"1, 2, 3", "immer", "Wetter nur ansagen, wenn die Daten jünger als so viele Stunden sind"}},
      {"FICHIER_ENTETE=", {"Pfad", "leer", "WAV-Datei des Vorspanns"}},
      {"FICHIER_PIROLO=", {"Pfad", "kuckoo.wav", "WAV-Datei der Begrüßung"}},
      {"FICHIER_FIN=", {"Pfad", "leer", "WAV-Datei des Abschlusses"}},
      {"PERIOD=", {"0..6", "0", "Ansageabstand: 0 aus, 1..6 = 5, 10, 15, 20, 30, 60 Minuten"}},
      {"START_RANGE=", {"0..24", "0", "Startstunde der Zeitansagen"}},
      {"END_RANGE=", {"0..24", "24", "Endstunde (die Ansagen enden, wenn sie beginnt)"}},
      {"ENTETE=", {"Y", "aus", "Vorspann spielen"}},
      {"PAUSE=", {"0..15", "0", "Sekunden Pause vor der Ansage"}},
      {"FINAL=", {"Y", "aus", "Abschluss (Tschüss) spielen"}},
      {"HELLO=", {"Y", "aus", "Begrüßung (Hallo) spielen"}},
      {"DATE=", {"N", "an", "N: das Datum nicht ansagen"}},
      {"ILEST=", {"Y, N", "an", "\"Es ist\" vor der Uhrzeit"}},
      {"TIME=", {"N", "an", "N: ohne \"Uhr\" und \"Minuten\""}},
      {"MINUTE=", {"Y", "aus", "Stunden mit \"Uhr\", Minuten ohne Wort (schaltet TIME aus)"}},
      {"START=", {"Y", "aus", "beim Anmelden starten (Autostart-Eintrag)"}},
      {"REDUCE=", {"Y", "aus", "minimiert starten"}},
      {"BALANCE=", {"-100..100", "0", "Balance links/rechts"}},
      {"VOLUME=", {"0..10", "5", "Lautstärke, 0 = am lautesten"}},
      {"MAXVOLUME=", {"0..100", "70", "Marke neben dem Lautstärkeregler (nur angezeigt)"}},
      {"UNITTC=", {"Y, N", "Y", "Y: °C, sonst °F"}},
      {"UNITPM=", {"Y, N", "Y", "Y: hPa, sonst inHg"}},
      {"UNITVK=", {"Y, N", "Y", "Y: km/h, sonst mph"}},
      {"UNITRM=", {"Y, N", "Y", "Y: mm, sonst inch"}},
      {"METEO=", {"MON, W23, W28, APRS, PRO2, METAR", "keine", "Wetterquelle"}},
      {"TEMPINT=", {"Y", "aus", "Innentemperatur ansagen"}},
      {"TEMPEXT=", {"Y", "aus", "Außentemperatur ansagen"}},
      {"PRESATM=", {"Y", "aus", "Luftdruck ansagen"}},
      {"PRETEND=", {"Y", "aus", "Drucktendenz ansagen"}},
      {"VITVENT=", {"Y", "aus", "Windgeschwindigkeit ansagen"}},
      {"VITRAFA=", {"Y", "aus", "Böen ansagen"}},
      {"DIRVENT=", {"Y", "aus", "Windrichtung ansagen"}},
      {"TRES=", {"Y", "aus", "gefühlte Temperatur ansagen"}},
      {"PLUIE=", {"Y", "aus", "Regen ansagen"}},
      {"HUMIDI=", {"Y", "aus", "Luftfeuchte ansagen"}},
      {"LOG=", {"Y", "aus", "stündliche Wetterzeile im Log (Monitor II)"}},
      {"METPERI=", {"1..60", "1", "Minuten zwischen zwei Abrufen der Wetterquelle"}},
      {"METCOMM=",
       {"Zahl, Gerätename oder Pfad", "0",
        "serieller Port der Wetterstation Monitor II (0 = keiner), wie bei COM="}},
      {"DAT=", {"Pfad oder http(s)-Adresse", "leer", "Datei oder Adresse der Wetterquelle"}},
      {"POFFSET=", {"Zahl", "0", "Korrektur des Luftdrucks"}},
      {"SEUILTEN=", {"1..9", "4", "Schwelle der Drucktendenz"}},
      {"PABS=", {"Y, N", "absolut", "Y: absoluter, sonst relativer Luftdruck"}},
      {"NEW=", {"N", "an", "N: nicht nach der Datei des aktuellen Monats suchen"}},
      {"KM=", {"Y", "mph", "Wind der Seite in km/h"}},
      {"KNOT=", {"Y", "mph", "Wind der Seite in Knoten"}},
      {"DGF=", {"Y", "°C", "Temperatur der Seite in °F"}},
      {"INC=", {"Y", "mm", "Regen der Seite in inch"}},
      {"LIST=", {"Text", "keine", "ein Eintrag der Quellenliste (eine Zeile je Eintrag, höchstens zehn)"}},
      {"FAV", {"Text", "leer", "Favorit, Platz 1..10 zwischen Präfix und = (APRS_FAV3=...)"}},
      {"TU=", {"-1, 0, 1", "1 (APRS), -1 (METAR)", "Zeitbasis: 0 UT, 1 Ortszeit"}},
      {"ID=", {"Text", "leer", "APRS-Kennung"}},
      {"PW=", {"Text", "leer", "APRS-Passwort"}},
      {"TOP=", {"Zahl", "101", "Hauptfenster oben"}},
      {"LEFT=", {"Zahl", "4", "Hauptfenster links"}},
      {"METEO_TOP=", {"Zahl", "0", "Wetterfenster oben"}},
      {"METEO_LEFT=", {"Zahl", "0", "Wetterfenster links"}},
      {"METEO_WIDTH=", {"Zahl", "287", "Wetterfenster Breite"}},
      {"METEO_HEIGHT=", {"Zahl", "267", "Wetterfenster Höhe"}},
      {"FORMMETEO=", {"N", "gezeigt", "N: Wetterfenster beim Start verborgen"}},
      {"OSOUND=",
       {"-1 oder Nummer", "-1", "Sound-Karte: -1 Systemvorgabe, sonst Nummer aus `parlhora devices`"}},
      {"VERSTART=", {"1, 0", "0", "beim Start nach einer neuen Version suchen"}},
      {"COM=",
       {"Zahl, Gerätename oder Pfad", "kein Port",
        "serieller Port für PTT und CTS/DSR/DCD: 0 = No COM, n = COMn (/dev/ttyS(n-1)), "
        "Gerätename oder Pfad zu einem Zeichengerät (auch ein Link); `parlhora ports` listet sie"}},
      {"DTR=", {"0", "an", "0: DTR nicht tasten"}},
      {"RTS=", {"0", "an", "0: RTS nicht tasten"}},
      {"DSR=", {"0", "an", "0: steigendes DSR startet keine Ansage"}},
      {"CTS=", {"0", "an", "0: steigendes CTS startet keine Ansage"}},
      {"DCD=", {"0", "an", "0: Träger (DCD) sperrt keine Ansage"}},
  };
  return table;
}

QByteArray withoutSourcePrefix(const QByteArray& key) {
  for (const char* prefix : {"W23_", "W28_", "PRO2_", "APRS_", "METAR_"})
    if (key.startsWith(prefix)) return key.mid(static_cast<int>(qstrlen(prefix)));
  return key;
}

}  // namespace

int printSettingsKeys(QTextStream& out) {
  out << "# Schlüssel\tWerte\tfehlt die Zeile\tBedeutung" << Qt::endl;
  const auto& table = helpTable();
  for (const SettingsKeyRule& rule : SettingsKeyTable::instance().rules()) {
    const QByteArray key = rule.prefix ? rule.key + "1..10=" : rule.key;
    const QByteArray bare = withoutSourcePrefix(rule.key);
    const auto it = table.find(bare);
    const KeyHelp help = it != table.end() ? *it : KeyHelp{"?", "?", "?"};
    out << QString::fromLatin1(key) << '\t' << QString::fromUtf8(help.values) << '\t'
        << QString::fromUtf8(help.absent) << '\t' << QString::fromUtf8(help.meaning) << Qt::endl;
  }
  return 0;
}

}  // namespace parlhora
