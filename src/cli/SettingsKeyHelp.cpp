#include "cli/SettingsKeyHelp.h"

#include <QHash>
#include <QStringList>

#include "app/AnnouncerSettings.h"
#include "app/SettingsFile.h"
#include "app/SettingsKeyTable.h"

namespace parlhora {

namespace {

struct KeyHelp {
  const char* values;
  // Words for values, "value:word|...": the absent column shows the word of
  // the value a missing line stands for. "-:word" is the word for a state
  // that no line can give (no age gate, no source, no list entry).
  const char* names;
  const char* meaning;
};

// By key without its source prefix (W23_, W28_, PRO2_, APRS_, METAR_, NET_), so
// one entry serves every weather window.
const QHash<QByteArray, KeyHelp>& helpTable() {
  static const QHash<QByteArray, KeyHelp> table = {
      {"RECORD=", {"Y", "N:aus", "Aufnahmeprogramm während der Ansage starten"}},
      {"RECORDER=", {"Pfad", ":leer", "Pfad des Aufnahmeprogramms"}},
      {"ROSE=", {"16", "8:8", "Windrose mit 16 statt 8 Richtungen"}},
      {"OLD=", {"1, 2, 3", "-:immer", "Wetter nur ansagen, wenn die Daten jünger als so viele Stunden sind"}},
      {"FICHIER_ENTETE=", {"Pfad", ":leer", "WAV-Datei des Vorspanns"}},
      {"FICHIER_PIROLO=", {"Pfad", "", "WAV-Datei der Begrüßung"}},
      {"FICHIER_FIN=", {"Pfad", ":leer", "WAV-Datei des Abschlusses"}},
      {"PERIOD=", {"0..6", "", "Ansageabstand: 0 aus, 1..6 = 5, 10, 15, 20, 30, 60 Minuten"}},
      {"START_RANGE=", {"0..24", "", "Startstunde der Zeitansagen"}},
      {"END_RANGE=", {"0..24", "", "Endstunde (die Ansagen enden, wenn sie beginnt)"}},
      {"ENTETE=", {"Y", "N:aus", "Vorspann spielen"}},
      {"PAUSE=", {"0..15", "", "Sekunden Pause vor der Ansage"}},
      {"FINAL=", {"Y", "N:aus", "Abschluss (Tschüss) spielen"}},
      {"HELLO=", {"Y", "N:aus", "Begrüßung (Hallo) spielen"}},
      {"DATE=", {"N", "Y:an|N:aus", "N: das Datum nicht ansagen"}},
      {"ILEST=", {"Y, N", "Y:an|N:aus", "\"Es ist\" vor der Uhrzeit"}},
      {"TIME=", {"N", "Y:an|N:aus", "N: ohne \"Uhr\" und \"Minuten\""}},
      {"MINUTE=", {"Y", "N:aus", "Stunden mit \"Uhr\", Minuten ohne Wort (schaltet TIME aus)"}},
      {"START=", {"Y", "N:aus", "beim Anmelden starten (Autostart-Eintrag)"}},
      {"REDUCE=", {"Y", "N:aus", "minimiert starten"}},
      {"BALANCE=", {"-100..100", "", "Balance links/rechts"}},
      {"VOLUME=", {"0..10", "", "Lautstärke, 0 = am lautesten"}},
      {"MAXVOLUME=", {"0..100", "", "Marke neben dem Lautstärkeregler (nur angezeigt)"}},
      {"UNITTC=", {"Y, N", "Y:°C|N:°F", "Y: °C, sonst °F"}},
      {"UNITPM=", {"Y, N", "Y:hPa|N:inHg", "Y: hPa, sonst inHg"}},
      {"UNITVK=", {"Y, N", "Y:km/h|N:mph", "Y: km/h, sonst mph"}},
      {"UNITRM=", {"Y, N", "Y:mm|N:inch", "Y: mm, sonst inch"}},
      {"METEO=", {"MON, W23, W28, APRS, PRO2, METAR, NET", "-:keine", "Wetterquelle"}},
      {"TEMPINT=", {"Y", "N:aus", "Innentemperatur ansagen"}},
      {"TEMPEXT=", {"Y", "N:aus", "Außentemperatur ansagen"}},
      {"PRESATM=", {"Y", "N:aus", "Luftdruck ansagen"}},
      {"PRETEND=", {"Y", "N:aus", "Drucktendenz ansagen"}},
      {"VITVENT=", {"Y", "N:aus", "Windgeschwindigkeit ansagen"}},
      {"VITRAFA=", {"Y", "N:aus", "Böen ansagen"}},
      {"DIRVENT=", {"Y", "N:aus", "Windrichtung ansagen"}},
      {"TRES=", {"Y", "N:aus", "gefühlte Temperatur ansagen"}},
      {"PLUIE=", {"Y", "N:aus", "Regen ansagen"}},
      {"HUMIDI=", {"Y", "N:aus", "Luftfeuchte ansagen"}},
      {"LOG=", {"Y", "N:aus", "stündliche Wetterzeile im Log (Monitor II)"}},
      {"METPERI=", {"1..60", "", "Minuten zwischen zwei Abrufen der Wetterquelle"}},
      {"METCOMM=",
       {"Zahl, Gerätename oder Pfad", "0:0 (keiner)",
        "serieller Port der Wetterstation Monitor II (0 = keiner), wie bei COM="}},
      {"DAT=", {"Pfad oder http(s)-Adresse", ":leer", "Datei oder Adresse der Wetterquelle"}},
      {"POFFSET=", {"Zahl", "", "Korrektur des Luftdrucks"}},
      {"SEUILTEN=", {"1..9", "", "Schwelle der Drucktendenz"}},
      {"PABS=", {"Y, N", "Y:absolut|N:relativ", "Y: absoluter, sonst relativer Luftdruck"}},
      {"NEW=", {"N", "Y:an|N:aus", "N: nicht nach der Datei des aktuellen Monats suchen"}},
      {"KM=", {"Y", "N:mph", "Wind der Seite in km/h"}},
      {"KNOT=", {"Y", "N:mph", "Wind der Seite in Knoten"}},
      {"DGF=", {"Y", "Y:°F|N:°C", "Temperatur der Seite in °F"}},
      {"INC=", {"Y", "Y:inch|N:mm", "Regen der Seite in inch"}},
      {"LIST=", {"Text", "-:keine", "ein Eintrag der Quellenliste (eine Zeile je Eintrag, höchstens zehn)"}},
      {"FAV", {"Text", ":leer", "Favorit, Platz 1..10 zwischen Präfix und = (APRS_FAV3=...)"}},
      {"TU=", {"-1, 0, 1", "0:0 (UT)|1:1 (Lok)", "Zeitbasis: 0 UT, 1 Ortszeit"}},
      {"ID=", {"Text", ":leer", "APRS-Kennung"}},
      {"PW=", {"Text", ":leer", "APRS-Passwort"}},
      {"TOP=", {"Zahl", "", "Hauptfenster oben"}},
      {"LEFT=", {"Zahl", "", "Hauptfenster links"}},
      {"METEO_TOP=", {"Zahl", "", "Wetterfenster oben"}},
      {"METEO_LEFT=", {"Zahl", "", "Wetterfenster links"}},
      {"METEO_WIDTH=", {"Zahl", "", "Wetterfenster Breite"}},
      {"METEO_HEIGHT=", {"Zahl", "", "Wetterfenster Höhe"}},
      {"FORMMETEO=", {"N", "Y:gezeigt|N:verborgen", "N: Wetterfenster beim Start verborgen"}},
      {"OSOUND=",
       {"-1 oder Nummer", "-1:-1 (Systemvorgabe)",
        "Sound-Karte: -1 Systemvorgabe, sonst Nummer aus `parlhora devices`"}},
      {"VERSTART=", {"1, 0", "1:an|0:aus", "beim Start nach einer neuen Version suchen"}},
      {"COM=",
       {"Zahl, Gerätename oder Pfad", ":kein Port",
        "serieller Port für PTT und CTS/DSR/DCD: 0 = No COM, n = COMn (/dev/ttyS(n-1)), "
        "Gerätename oder Pfad zu einem Zeichengerät (auch ein Link); `parlhora ports` listet sie"}},
      {"DTR=", {"0", "1:an|0:aus", "0: DTR nicht tasten"}},
      {"RTS=", {"0", "1:an|0:aus", "0: RTS nicht tasten"}},
      {"DSR=", {"0", "1:an|0:aus", "0: steigendes DSR startet keine Ansage"}},
      {"CTS=", {"0", "1:an|0:aus", "0: steigendes CTS startet keine Ansage"}},
      {"DCD=", {"0", "1:an|0:aus", "0: Träger (DCD) sperrt keine Ansage"}},
      {"CWID=", {"Y", "N:aus", "Rufzeichen in Morse am Ende jeder Ansage"}},
      {"CWID_CALL=",
       {"A-Z, 0-9, /", ":leer", "Rufzeichen (Kleinbuchstaben gelten als groß); leer: keine Kennung"}},
      {"CWID_WPM=", {"10..40", "20:20", "Morsetempo in Wörtern pro Minute (PARIS)"}},
      {"CWID_HZ=", {"400..1200", "800:800", "Tonhöhe der Kennung in Hz"}},
      {"CWID_LEVEL=",
       {"0..100", "50:50", "Pegel der Kennung in % der Vollaussteuerung, vor Lautstärke und Balance"}},
      {"CWID_MIN=",
       {"0..1440", "0:0",
        "0: bei jeder Ansage; N: nur wenn die letzte Kennung mindestens N Minuten her ist"}},
      {"PORT=", {"1..65535", "8080:8080", "TCP-Port, auf dem die Netzwerk-Station sendet (alle Adressen)"}},
      {"PATH=",
       {"Pfad", "/data/report/:/data/report/",
        "Pfad der Ecowitt-Sendungen (Wunderground: /weatherstation/updateweatherstation.php)"}},
      {"KEY=", {"Text", ":leer", "nur Sendungen mit diesem PASSKEY oder dieser ID annehmen"}},
      {"SIMPLEX_SUFFIXE=",
       {"Text (A-Z a-z 0-9 _ - .)", ":leer",
        "an die Namen der gemeinsamen Simplex-Objekte angehängt (zweite Installation)"}},
  };
  return table;
}

QByteArray withoutSourcePrefix(const QByteArray& key) {
  for (const char* prefix : {"W23_", "W28_", "PRO2_", "APRS_", "METAR_", "NET_"})
    if (key.startsWith(prefix)) return key.mid(static_cast<int>(qstrlen(prefix)));
  return key;
}

// The values a help line mentions, by the loader's own spelling.
QList<QByteArray> candidates(const SettingsKeyRule& rule, const KeyHelp& help) {
  QList<QByteArray> values;
  QList<QByteArray> written;
  rule.write(AnnouncerSettings{}, written);
  for (const QByteArray& line : written) values << line.mid(line.indexOf('=') + 1);
  for (const QByteArray& pair : QByteArray(help.names).split('|'))
    if (pair.contains(':') && !pair.startsWith("-:")) values << pair.left(pair.indexOf(':'));
  for (QByteArray token : QByteArray(help.values).replace("..", ",").split(',')) values << token.trimmed();
  // A short range names every number in it; a bare number is most often 0.
  const QList<QByteArray> range = QByteArray(help.values).split('.');
  if (range.size() == 3 && range[1].isEmpty()) {
    bool lowOk = false, highOk = false;
    const int low = range[0].toInt(&lowOk), high = range[2].toInt(&highOk);
    if (lowOk && highOk && high - low <= 100)
      for (int v = low; v <= high; ++v) values << QByteArray::number(v);
  }
  values << "0";
  return values;
}

QString wordFor(const KeyHelp& help, const QByteArray& value) {
  for (const QByteArray& pair : QByteArray(help.names).split('|'))
    if (pair.contains(':') && pair.left(pair.indexOf(':')) == value)
      return QString::fromUtf8(pair.mid(pair.indexOf(':') + 1));
  return QString::fromUtf8(value);
}

// What a missing line means, found by the loader itself: the first value
// whose line loads to the same settings as no line at all.
QString absentText(const SettingsKeyRule& rule, const KeyHelp& help) {
  static const QByteArray none = SettingsFile::save(AnnouncerSettings{});
  const FileProbe anyFile = [](const QByteArray&) { return true; };
  const QByteArray key = rule.prefix ? rule.key + "1=" : rule.key;
  for (const QByteArray& value : candidates(rule, help)) {
    AnnouncerSettings loaded;
    const LoadReport report =
        SettingsFile::load(SettingsFile::header() + "\n" + key + value, loaded, anyFile);
    if (report.ignored.isEmpty() && SettingsFile::save(loaded) == none) return wordFor(help, value);
  }
  const QByteArray names(help.names);
  if (names.startsWith("-:")) return QString::fromUtf8(names.mid(2));
  return QStringLiteral("?");
}

}  // namespace

int printSettingsKeys(QTextStream& out) {
  out << "# Schlüssel\tWerte\tfehlt die Zeile\tBedeutung" << Qt::endl;
  const auto& table = helpTable();
  for (const SettingsKeyRule& rule : SettingsKeyTable::instance().rules()) {
    const QByteArray key = rule.prefix ? rule.key + "1..10=" : rule.key;
    const QByteArray bare = withoutSourcePrefix(rule.key);
    const auto it = table.find(bare);
    const KeyHelp help = it != table.end() ? *it : KeyHelp{"?", "", "?"};
    out << QString::fromLatin1(key) << '\t' << QString::fromUtf8(help.values) << '\t'
        << absentText(rule, help) << '\t' << QString::fromUtf8(help.meaning) << Qt::endl;
  }
  return 0;
}

}  // namespace parlhora
