#include <gtest/gtest.h>

#include "app/SettingsFile.h"

namespace parlhora {
namespace {

const FileProbe kAllExist = [](const QByteArray&) { return true; };
const FileProbe kNoneExist = [](const QByteArray&) { return false; };

QByteArray file(const QByteArray& body) { return SettingsFile::header() + "\r\n" + body; }

AnnouncerSettings loaded(const QByteArray& body, const FileProbe& probe = kAllExist) {
  AnnouncerSettings s;
  SettingsFile::load(file(body), s, probe);
  return s;
}

QList<QByteArray> savedLines(const AnnouncerSettings& s) {
  return SettingsFile::splitLines(SettingsFile::save(s));
}

TEST(SettingsLines, AllThreeLineEndsAndNoFinalEnd) {
  EXPECT_EQ(SettingsFile::splitLines("a\r\nb\rc\nd"), (QList<QByteArray>{"a", "b", "c", "d"}));
  EXPECT_EQ(SettingsFile::splitLines("a\n\nb\r\n"), (QList<QByteArray>{"a", "", "b"}));
  EXPECT_EQ(SettingsFile::splitLines("\r\r\n"), (QList<QByteArray>{"", ""}));
  EXPECT_TRUE(SettingsFile::splitLines("").isEmpty());
}

TEST(SettingsLoad, HeaderOnlyEqualsNoFile) {
  AnnouncerSettings none;
  AnnouncerSettings headerOnly;
  const LoadReport report = SettingsFile::load(file(""), headerOnly, kAllExist);
  EXPECT_TRUE(report.ignored.isEmpty());
  EXPECT_EQ(SettingsFile::save(headerOnly), SettingsFile::save(none));
  EXPECT_EQ(headerOnly.source, WeatherSource::None);
}

TEST(SettingsLoad, AbsentColumn) {
  const AnnouncerSettings s;
  EXPECT_EQ(s.announcement.cuckooFile, "kuckoo.wav");
  EXPECT_TRUE(s.announcement.date && s.announcement.itIs && s.announcement.hourWithWords);
  EXPECT_FALSE(s.announcement.record || s.announcement.windRose16 || s.announcement.hello);
  EXPECT_EQ(s.schedule.endHour, 24);
  EXPECT_EQ(s.sound.volume, 5);
  EXPECT_EQ(s.sound.maxVolume, 70);
  EXPECT_EQ(s.sound.device, -1);
  EXPECT_EQ(s.w23.trendThreshold, 4);
  EXPECT_TRUE(s.w28.absolutePressure);
  EXPECT_TRUE(s.pro2.currentMonthFile);
  EXPECT_EQ(s.aprs.timeBase, 1);
  EXPECT_EQ(s.metar.timeBase, -1);
  EXPECT_EQ(s.aprs.rawWind, RawWindUnit::Mph);
  EXPECT_TRUE(s.aprs.rawFahrenheit && s.aprs.rawInch);
  EXPECT_EQ(s.mainWindow.top, 101);
  EXPECT_EQ(s.mainWindow.left, 4);
  EXPECT_EQ(s.mainWindow.weatherWidth, 287);
  EXPECT_EQ(s.mainWindow.weatherHeight, 267);
  EXPECT_TRUE(s.mainWindow.showWeatherWindow);
  EXPECT_TRUE(s.lines.port.isEmpty());
  EXPECT_TRUE(s.lines.dtr && s.lines.rts && s.lines.dsr && s.lines.cts && s.lines.dcd);
}

TEST(SettingsLoad, KeysSplitAtFirstEqualsCaseSensitiveLastWins) {
  const auto s = loaded(
      "START_RANGE=7\r\nSTART=Y\r\nstart_range=9\r\nAPRS_DAT=https://x.org/a?b=c&d==e\r\n"
      "PAUSE=3\r\nPAUSE=4\r\n=Y\r\nNOEQUALS\r\nMYSTERY=1\r\n");
  EXPECT_EQ(s.schedule.startHour, 7);
  EXPECT_TRUE(s.mainWindow.autostart);
  EXPECT_EQ(s.aprs.address, "https://x.org/a?b=c&d==e");
  EXPECT_EQ(s.announcement.pauseSeconds, 4);
}

TEST(SettingsLoad, IgnoredLinesAreReportedWithReasons) {
  AnnouncerSettings s;
  const auto report =
      SettingsFile::load(file("PAUSE=x\r\n=Y\r\nJUNK\r\nFOO=1\r\nAPRS_FAV11=a\r\nAPRS_FAVx=b\r\n"
                              "\r\nPERIOD=1\r\n"),
                         s, kAllExist);
  ASSERT_EQ(report.ignored.size(), 6);
  EXPECT_EQ(report.ignored[0].lineNumber, 2);
  EXPECT_EQ(report.ignored[0].reason, "value not a number");
  EXPECT_EQ(report.ignored[1].reason, "no key");
  EXPECT_EQ(report.ignored[2].reason, "not a key=value line");
  EXPECT_EQ(report.ignored[3].reason, "unknown key");
  EXPECT_EQ(report.ignored[3].text, "FOO=1");
  EXPECT_EQ(report.ignored[4].reason, "slot out of range");
  EXPECT_EQ(report.ignored[5].reason, "slot not a number");
}

TEST(SettingsLoad, YesNoTestsPerKey) {
  // Keys that want exactly Y: anything else is off.
  auto s = loaded("RECORD=y\r\nENTETE=Y\r\nHELLO=yes\r\nMINUTE=Y\r\nLOG=Y\r\nTEMPINT=Y\r\n");
  EXPECT_FALSE(s.announcement.record);
  EXPECT_TRUE(s.announcement.header);
  EXPECT_FALSE(s.announcement.hello);
  EXPECT_TRUE(s.announcement.noMinuteWord);
  EXPECT_FALSE(s.announcement.hourWithWords);  // as a click on its box, so the file then says TIME=N
  EXPECT_TRUE(SettingsFile::save(s).contains("\r\nTIME=N\r\nMINUTE=Y\r\n"));
  EXPECT_TRUE(s.monitor.hourlyLog && s.monitor.boxes.tempInt);
  // Keys that want exactly N: anything else is on.
  s = loaded("DATE=N\r\nILEST=n\r\nTIME=\r\nFORMMETEO=N\r\nPRO2_NEW=x\r\n");
  EXPECT_FALSE(s.announcement.date);
  EXPECT_TRUE(s.announcement.itIs);
  EXPECT_TRUE(s.announcement.hourWithWords);
  EXPECT_FALSE(s.mainWindow.showWeatherWindow);
  EXPECT_TRUE(s.pro2.currentMonthFile);
  // Units, pressure field, line options, version check.
  s = loaded("UNITTC=N\r\nUNITPM=Y\r\nUNITVK=x\r\nW28_PABS=N\r\nDTR=0\r\nRTS=1\r\nDCD=N\r\nVERSTART=1\r\n");
  EXPECT_FALSE(s.units.celsius);
  EXPECT_TRUE(s.units.hectopascal);
  EXPECT_FALSE(s.units.kmh);
  EXPECT_FALSE(s.w28.absolutePressure);
  EXPECT_FALSE(s.lines.dtr);
  EXPECT_TRUE(s.lines.rts && s.lines.dcd);
  EXPECT_TRUE(s.mainWindow.checkVersion);
}

TEST(SettingsLoad, NumbersKeepPreviousWhenNotNumericAndClampToRange) {
  const auto s = loaded(
      "PERIOD=9\r\nSTART_RANGE=-3\r\nEND_RANGE=99\r\nPAUSE=abc\r\nBALANCE=-500\r\nVOLUME=11\r\n"
      "W23_SEUILTEN=0\r\nPRO2_SEUILTEN=12\r\nMETPERI=0\r\nAPRS_TU=5\r\nMETAR_TU=-7\r\nOSOUND=-4\r\n"
      "TOP=1e3\r\nLEFT= 5\r\nW28_POFFSET=-12\r\nMETCOMM=\r\nAPRS_METPERI=99999999999999\r\n");
  EXPECT_EQ(s.schedule.periodPosition, 6);
  EXPECT_EQ(s.schedule.startHour, 0);
  EXPECT_EQ(s.schedule.endHour, 24);
  EXPECT_EQ(s.announcement.pauseSeconds, 0);
  EXPECT_EQ(s.sound.balance, -100);
  EXPECT_EQ(s.sound.volume, 10);
  EXPECT_EQ(s.w23.trendThreshold, 1);
  EXPECT_EQ(s.pro2.trendThreshold, 9);
  EXPECT_EQ(s.monitor.refreshMinutes, 1);
  EXPECT_EQ(s.aprs.timeBase, 1);
  EXPECT_EQ(s.metar.timeBase, -1);
  EXPECT_EQ(s.sound.device, -1);
  EXPECT_EQ(s.mainWindow.top, 101);
  EXPECT_EQ(s.mainWindow.left, 4);
  EXPECT_EQ(s.w28.pressureOffset, -12);
  EXPECT_EQ(s.monitor.port, "0");
  EXPECT_EQ(s.aprs.refreshMinutes, 1);
}

TEST(SettingsLoad, EqualStartAndEndHoursLoad) {
  const auto s = loaded("START_RANGE=5\r\nEND_RANGE=5\r\n");
  EXPECT_EQ(s.schedule.startHour, 5);
  EXPECT_EQ(s.schedule.endHour, 5);
}

TEST(SettingsLoad, ListKeysAppendUpToTen) {
  QByteArray body;
  for (int i = 1; i <= 11; ++i) body += "APRS_LIST=entry" + QByteArray::number(i) + "\r\n";
  body += "METAR_LIST=a\r\nMETAR_LIST=a\r\n";
  AnnouncerSettings s;
  const auto report = SettingsFile::load(file(body), s, kAllExist);
  ASSERT_EQ(s.aprs.history.size(), 10);
  EXPECT_EQ(s.aprs.history.first(), "entry1");
  EXPECT_EQ(s.aprs.history.last(), "entry10");
  EXPECT_EQ(s.metar.history, (QList<QByteArray>{"a", "a"}));
  EXPECT_EQ(report.ignored.size(), 1);
  int listLines = 0;
  for (const auto& line : savedLines(s)) listLines += line.startsWith("APRS_LIST=");
  EXPECT_EQ(listLines, 10);
}

TEST(SettingsLoad, FavouriteSlots) {
  const auto s = loaded(
      "APRS_FAV1=one\r\nAPRS_FAV10=ten=x\r\nAPRS_FAV0=zero\r\nAPRS_FAV11=eleven\r\nAPRS_FAV=none\r\n"
      "METAR_FAV5=five\r\nMETAR_FAV-1=neg\r\nMETAR_FAV05=lead\r\nAPRS_FAV3=\r\n");
  EXPECT_EQ(s.aprs.favourites[0], "one");
  EXPECT_EQ(s.aprs.favourites[9], "ten=x");
  EXPECT_EQ(s.metar.favourites[4], "lead");  // "05" is slot 5; later line wins
  for (int i : {1, 2, 3, 4, 5, 6, 7, 8}) EXPECT_TRUE(s.aprs.favourites[i].isEmpty()) << i;
  const auto lines = savedLines(s);
  EXPECT_TRUE(lines.contains("APRS_FAV10=ten=x"));
  EXPECT_TRUE(lines.contains("METAR_FAV5=lead"));
  EXPECT_FALSE(lines.contains("APRS_FAV3="));
}

TEST(SettingsLoad, SourceFilesNeedToExistWebAddressesDoNot) {
  const FileProbe onlyHistory = [](const QByteArray& p) { return p == "history.dat"; };
  const auto s = loaded(
      "W23_DAT=history.dat\r\nW28_DAT=gone.dat\r\nPRO2_DAT=\r\nAPRS_DAT=https://a.b/c\r\n"
      "METAR_DAT=ftp://x\r\n",
      onlyHistory);
  EXPECT_EQ(s.w23.file, "history.dat");
  EXPECT_TRUE(s.w23.errorText.isEmpty());
  EXPECT_TRUE(s.w28.file.isEmpty());
  EXPECT_EQ(s.w28.errorText, "Dateifehler");
  EXPECT_TRUE(s.pro2.errorText.isEmpty());
  EXPECT_EQ(s.aprs.address, "https://a.b/c");
  EXPECT_TRUE(s.metar.address.isEmpty());
  EXPECT_EQ(s.metar.errorText, "Dateifehler #6");
}

TEST(SettingsLoad, WeatherSourceAndSideEffects) {
  AnnouncerSettings s;
  auto report = SettingsFile::load(file("METEO=MON\r\nMETEO=W28\r\nREDUCE=Y\r\nCOM=3\r\n"), s, kAllExist);
  EXPECT_EQ(s.source, WeatherSource::W28);
  EXPECT_TRUE(report.monitorChosen);
  EXPECT_TRUE(report.startMinimisedRead);
  EXPECT_TRUE(report.portRead);
  EXPECT_FALSE(report.autostartRead);
  EXPECT_EQ(s.lines.port, "3");

  AnnouncerSettings t;
  report = SettingsFile::load(file("METEO=PRO2\r\nMETEO=bogus\r\nCOM=0\r\nSTART=N\r\n"), t, kAllExist);
  EXPECT_EQ(t.source, WeatherSource::PRO2);
  EXPECT_EQ(report.ignored.size(), 1);
  EXPECT_EQ(t.lines.port, "0");
  EXPECT_TRUE(report.autostartRead);
  EXPECT_EQ(SettingsFile::save(t).count("COM=0\r\n"), 1);
}

TEST(SettingsLoad, AprsRawUnits) {
  EXPECT_EQ(loaded("APRS_KM=Y\r\n").aprs.rawWind, RawWindUnit::Kmh);
  EXPECT_EQ(loaded("APRS_KM=Y\r\nAPRS_KNOT=Y\r\n").aprs.rawWind, RawWindUnit::Knots);
  EXPECT_EQ(loaded("APRS_KM=Y\r\nAPRS_KM=N\r\n").aprs.rawWind, RawWindUnit::Mph);
  EXPECT_EQ(loaded("APRS_KNOT=Y\r\nAPRS_KM=N\r\n").aprs.rawWind, RawWindUnit::Knots);
  const auto s = loaded("APRS_DGF=N\r\nAPRS_INC=N\r\n");
  EXPECT_FALSE(s.aprs.rawFahrenheit || s.aprs.rawInch);
}

TEST(SettingsLoad, HostileInputLoadsWhatItCan) {
  QByteArray junk(200000, 'x');
  junk += "=";
  junk += QByteArray(100000, '\0');
  junk += "\rPAUSE=7\n\xff\xfe=\x01\r\nHELLO=Y";
  AnnouncerSettings s;
  SettingsFile::load(junk, s, kAllExist);
  EXPECT_EQ(s.announcement.pauseSeconds, 7);
  EXPECT_TRUE(s.announcement.hello);
  AnnouncerSettings t;
  SettingsFile::load(QByteArray("PAUSE=2"), t, kAllExist);  // no header, no line end
  EXPECT_EQ(t.announcement.pauseSeconds, 2);
}

TEST(SettingsLoad, StationPortIsANumberOrADeviceName) {
  EXPECT_EQ(loaded("METCOMM=ttyUSB1\r\n").monitor.port, "ttyUSB1");
  EXPECT_EQ(loaded("METCOMM=3\r\n").monitor.port, "3");
  EXPECT_EQ(loaded("METCOMM=-3\r\n").monitor.port, "0");
  AnnouncerSettings s;
  s.monitor.port = "ttyACM0";
  EXPECT_TRUE(SettingsFile::save(s).contains("\r\nMETCOMM=ttyACM0\r\n"));
}

TEST(SettingsSave, DefaultsWriteOnlyTheAlwaysKeys) {
  const QByteArray expected =
      "[PARLHORA V2.2.3]\r\nRECORDER=\r\nFICHIER_PIROLO=kuckoo.wav\r\nILEST=Y\r\nBALANCE=0\r\nVOLUME=5\r\n"
      "MAXVOLUME=70\r\nUNITTC=Y\r\nUNITPM=Y\r\nUNITVK=Y\r\nUNITRM=Y\r\nMETPERI=1\r\nMETCOMM=0\r\n"
      "W23_METPERI=1\r\nW23_POFFSET=0\r\nW23_SEUILTEN=4\r\nW28_METPERI=1\r\nW28_PABS=Y\r\nW28_POFFSET=0\r\n"
      "APRS_DGF=Y\r\nAPRS_INC=Y\r\nAPRS_METPERI=1\r\nAPRS_POFFSET=0\r\nAPRS_TU=1\r\nMETAR_METPERI=1\r\n"
      "METAR_POFFSET=0\r\nMETAR_TU=-1\r\nPRO2_METPERI=1\r\nPRO2_POFFSET=0\r\nPRO2_SEUILTEN=4\r\nTOP=101\r\n"
      "LEFT=4\r\nMETEO_TOP=0\r\nMETEO_LEFT=0\r\nMETEO_WIDTH=287\r\nMETEO_HEIGHT=267\r\nOSOUND=-1\r\n"
      "VERSTART=0\r\n";
  EXPECT_EQ(SettingsFile::save(AnnouncerSettings{}), expected);
}

TEST(SettingsSave, FullFileRoundTripsByteForByte) {
  const QByteArray body =
      "RECORD=Y\r\nRECORDER=/opt/Tallisto/tallisto\r\nROSE=16\r\nOLD=3\r\n"
      "FICHIER_ENTETE=/home/jörg/Klänge/kopf.wav\r\nFICHIER_PIROLO=\xe4\xf6\xfc-latin1.wav\r\n"
      "FICHIER_FIN=ende.wav\r\nPERIOD=4\r\nSTART_RANGE=6\r\nEND_RANGE=22\r\nENTETE=Y\r\nPAUSE=15\r\n"
      "FINAL=Y\r\nHELLO=Y\r\nDATE=N\r\nILEST=N\r\nTIME=N\r\nMINUTE=Y\r\nSTART=Y\r\nREDUCE=Y\r\n"
      "BALANCE=-40\r\nVOLUME=0\r\nMAXVOLUME=90\r\nUNITTC=N\r\nUNITPM=N\r\nUNITVK=N\r\nUNITRM=N\r\n"
      "METEO=APRS\r\nTEMPINT=Y\r\nTEMPEXT=Y\r\nPRESATM=Y\r\nPRETEND=Y\r\nVITVENT=Y\r\nVITRAFA=Y\r\n"
      "DIRVENT=Y\r\nLOG=Y\r\nMETPERI=60\r\nMETCOMM=4\r\n"
      "W23_TEMPINT=Y\r\nW23_TEMPEXT=Y\r\nW23_PRESATM=Y\r\nW23_PRETEND=Y\r\nW23_VITVENT=Y\r\n"
      "W23_VITRAFA=Y\r\nW23_DIRVENT=Y\r\nW23_TRES=Y\r\nW23_PLUIE=Y\r\nW23_HUMIDI=Y\r\nW23_METPERI=5\r\n"
      "W23_DAT=C:\\WS\\history.dat\r\nW23_POFFSET=-2\r\nW23_SEUILTEN=9\r\n"
      "W28_HUMIDI=Y\r\nW28_METPERI=2\r\nW28_DAT=/srv/ws28.his\r\nW28_PABS=N\r\nW28_POFFSET=3\r\n"
      "APRS_TEMPEXT=Y\r\nAPRS_HUMIDI=Y\r\nAPRS_KNOT=Y\r\nAPRS_DGF=Y\r\nAPRS_INC=Y\r\nAPRS_METPERI=10\r\n"
      "APRS_DAT=https://aprs.example/wx?call=DL1ABC-13&x==1 //Berg\r\nAPRS_LIST=https://a/1\r\n"
      "APRS_LIST=wxnow.txt\r\nAPRS_FAV2=https://f/2 //Zwei\r\nAPRS_FAV10=x=y\r\nAPRS_POFFSET=-1\r\n"
      "APRS_TU=0\r\nAPRS_ID=DL1ABC\r\nAPRS_PW=p=ss w\xf6rd\r\n"
      "METAR_PRESATM=Y\r\nMETAR_METPERI=30\r\nMETAR_DAT=metar.txt\r\nMETAR_LIST=metar.txt\r\n"
      "METAR_FAV1=https://m/EDDF\r\nMETAR_POFFSET=7\r\nMETAR_TU=0\r\n"
      "PRO2_TEMPINT=Y\r\nPRO2_METPERI=15\r\nPRO2_DAT=/data/2026-03.wlk\r\nPRO2_POFFSET=0\r\n"
      "PRO2_SEUILTEN=2\r\nPRO2_NEW=N\r\nTOP=-20\r\nLEFT=1900\r\nMETEO_TOP=10\r\nMETEO_LEFT=20\r\n"
      "METEO_WIDTH=300\r\nMETEO_HEIGHT=400\r\nFORMMETEO=N\r\nOSOUND=2\r\nVERSTART=1\r\nCOM=ttyUSB0\r\n"
      "DTR=0\r\nRTS=0\r\nDSR=0\r\nCTS=0\r\nDCD=0\r\n";
  AnnouncerSettings s;
  const auto report = SettingsFile::load(file(body), s, kAllExist);
  EXPECT_TRUE(report.ignored.isEmpty());
  EXPECT_EQ(SettingsFile::save(s), file(body));
}

TEST(SettingsSave, ChoicesAwayFromAnOnDefaultSurviveARestart) {
  AnnouncerSettings s;
  s.aprs.rawFahrenheit = false;
  s.aprs.rawInch = false;
  s.announcement.cuckooFile.clear();
  const QByteArray saved = SettingsFile::save(s);
  EXPECT_TRUE(saved.contains("\r\nAPRS_DGF=N\r\nAPRS_INC=N\r\n"));
  AnnouncerSettings t;
  SettingsFile::load(saved, t, kAllExist);
  EXPECT_FALSE(t.aprs.rawFahrenheit || t.aprs.rawInch);
  EXPECT_TRUE(t.announcement.cuckooFile.isEmpty());
  EXPECT_EQ(SettingsFile::save(t), saved);
}

TEST(SettingsSave, NeverWrittenAtDefaultAndLineBreaksDropped) {
  AnnouncerSettings s;
  s.aprs.id = "a\r\nPAUSE=9";
  const auto lines = savedLines(s);
  EXPECT_TRUE(lines.contains("APRS_ID=aPAUSE=9"));
  for (const char* key : {"PERIOD=", "START_RANGE=", "END_RANGE=", "PAUSE=", "COM=", "METEO=", "OLD="})
    for (const auto& line : lines) EXPECT_FALSE(line.startsWith(key)) << key;
}

}  // namespace
}  // namespace parlhora

namespace parlhora {

TEST(SettingsLoad, SimplexSuffixTakesOnlyPlainNameCharacters) {
  const struct {
    const char* value;
    const char* kept;  // null: the line is ignored
  } cases[] = {{"station2", "station2"}, {"a.b-C_9", "a.b-C_9"}, {"", ""},      {"../x", nullptr},
               {"a b", nullptr},         {"a\x1b", nullptr},     {"ä", nullptr}};
  for (const auto& c : cases) {
    AnnouncerSettings s;
    const auto report =
        SettingsFile::load(file(QByteArray("SIMPLEX_SUFFIXE=") + c.value + "\r\n"), s, kAllExist);
    EXPECT_EQ(report.ignored.isEmpty(), c.kept != nullptr) << c.value;
    EXPECT_EQ(s.mainWindow.simplexSuffix, QByteArray(c.kept ? c.kept : "")) << c.value;
  }
  AnnouncerSettings s;
  EXPECT_FALSE(SettingsFile::save(s).contains("SIMPLEX_SUFFIXE="));
  s.mainWindow.simplexSuffix = "station2";
  EXPECT_TRUE(SettingsFile::save(s).contains("\r\nSIMPLEX_SUFFIXE=station2\r\n"));
}

}  // namespace parlhora
