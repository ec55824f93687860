#include <gtest/gtest.h>

#include <functional>

#include "SequencerRig.h"
#include "audio/pieces/WavImage.h"

using namespace parlhora;

namespace {

QStringList L(std::initializer_list<const char*> items) {
  QStringList out;
  for (const char* s : items) out << QString::fromLatin1(s);
  return out;
}

const QStringList kTuesday5thMarch2024 = L({"son_tue", "son_5te", "son_mar", "son2000", "son24"});

struct Case {
  const char* name;
  QDateTime at;
  std::function<void(SequencerRig&)> setup;
  QStringList expected;
};

QDateTime at(int y, int mo, int d, int h, int mi) { return QDateTime(QDate(y, mo, d), QTime(h, mi)); }

std::vector<Case> cases() {
  const auto none = [](SequencerRig&) {};
  return {
      {"full time with minute words", at(2024, 3, 5, 14, 35), none,
       kTuesday5thMarch2024 + L({"son_it_s", "son14", "Son_hour", "son35", "son_minute"})},
      {"midnight", at(2024, 3, 5, 0, 0), none, kTuesday5thMarch2024 + L({"son_it_s", "son0", "Son_hour"})},
      {"five past midnight", at(2024, 3, 5, 0, 5), none,
       kTuesday5thMarch2024 + L({"son_it_s", "son0", "Son_hour", "son5", "son_minute"})},
      {"noon, minute 0", at(2024, 3, 5, 12, 0), none,
       kTuesday5thMarch2024 + L({"son_it_s", "son12", "Son_hour"})},
      {"no minute word", at(2024, 3, 5, 14, 35),
       [](SequencerRig& r) {
         r.options.hourWithWords = false;
         r.options.noMinuteWord = true;
       },
       kTuesday5thMarch2024 + L({"son_it_s", "son14", "Son_hour", "son35"})},
      {"both time boxes off", at(2024, 3, 5, 14, 35),
       [](SequencerRig& r) {
         r.options.hourWithWords = false;
         r.options.noMinuteWord = false;
       },
       kTuesday5thMarch2024},
      {"it is off", at(2024, 3, 5, 14, 35), [](SequencerRig& r) { r.options.itIs = false; },
       kTuesday5thMarch2024 + L({"son14", "Son_hour", "son35", "son_minute"})},
      {"date off", at(2024, 3, 5, 9, 10), [](SequencerRig& r) { r.options.date = false; },
       L({"son_it_s", "son9", "Son_hour", "son10", "son_minute"})},
      {"year 2000 not spoken", at(2000, 1, 1, 8, 0), none,
       L({"son_sat", "son_1te", "son_jan", "son_it_s", "son8", "Son_hour"})},
      {"year 2060 not spoken", at(2060, 12, 31, 23, 59), none,
       L({"son_fri", "son_31te", "son_dec", "son_it_s", "son23", "Son_hour", "son59", "son_minute"})},
      {"jingles all on", at(2024, 3, 5, 12, 0),
       [](SequencerRig& r) {
         r.makeJingle("head.wav");
         r.makeJingle("end.wav");
         r.options.header = true;
         r.options.headerFile = "head.wav";
         r.options.hello = true;
         r.options.final = true;
         r.options.finalFile = "end.wav";
       },
       L({"file:head.wav", "file:kuckoo.wav"}) + kTuesday5thMarch2024 +
           L({"son_it_s", "son12", "Son_hour", "file:end.wav"})},
      {"jingles on with empty header and final paths", at(2024, 3, 5, 12, 0),
       [](SequencerRig& r) {
         r.options.header = true;
         r.options.final = true;
       },
       kTuesday5thMarch2024 + L({"son_it_s", "son12", "Son_hour"})},
      {"weather between time and final jingle", at(2024, 3, 5, 12, 0),
       [](SequencerRig& r) {
         r.makeJingle("end.wav");
         r.options.final = true;
         r.options.finalFile = "end.wav";
         r.weather.items = {{100, "son_ext_temp"}, {0, "son5"}, {0, ""}, {0, "son_degrees"}};
       },
       kTuesday5thMarch2024 +
           L({"son_it_s", "son12", "Son_hour", "son_ext_temp", "son5", "son_degrees", "file:end.wav"})},
  };
}

}  // namespace

TEST(Announcement, PieceOrderTable) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.name);
    SequencerRig rig(c.at);
    c.setup(rig);
    EXPECT_EQ(rig.announce(), c.expected);
    EXPECT_FALSE(rig.seq.busy());
    EXPECT_EQ(rig.seq.step(), 0);
    EXPECT_TRUE(rig.seq.button1Enabled());
    EXPECT_EQ(rig.keying.events, L({"key", "unkey"}));
    EXPECT_EQ(rig.statuses, L({"PARLHORA SPIEL", "PARLHORA DONE"}));
    EXPECT_FALSE(rig.out.isOpen());
  }
}

TEST(Announcement, PausesBeforeFirstSoundAndItems) {
  SequencerRig rig;
  rig.options.date = false;
  rig.options.itIs = false;
  const std::int64_t t0 = rig.clock.monotonicMs();
  rig.announce();
  ASSERT_EQ(rig.pieces, L({"son14", "Son_hour", "son35", "son_minute"}));
  // 300 ms pre-roll, then the item pause that stands in for "it is".
  EXPECT_EQ(rig.startedAtMs[0] - t0, Sequencer::kPreRollMs + Sequencer::kItemPauseMs);
  // Between pieces only the engine's pause after closing.
  EXPECT_EQ(rig.startedAtMs[1] - rig.startedAtMs[0], WaveEngine::kPauseAfterCloseMs);
}

TEST(Announcement, StartPauseAndLatches) {
  SequencerRig rig;
  rig.options.date = false;
  rig.options.pauseSeconds = 3;
  const std::int64_t t0 = rig.clock.monotonicMs();
  rig.announce();
  EXPECT_EQ(rig.startedAtMs.value(0) - t0, 300 + 3000 + 100);
  EXPECT_EQ(rig.keying.latches, 1);
}

TEST(Announcement, EndTalksToTheOtherPrograms) {
  SequencerRig rig;
  rig.options.record = true;
  rig.announce();
  EXPECT_EQ(rig.hooks.calls, L({"recorderStart", "reconnect", "refresh", "recorderStop"}));

  SequencerRig partner;
  partner.seq.setStartedByPartner(true);
  partner.announce();
  EXPECT_EQ(partner.hooks.calls, L({"partnerDone", "refresh"}));
  EXPECT_FALSE(partner.seq.startedByPartner());
}

TEST(Announcement, Refusals) {
  SequencerRig loading;
  loading.seq.setLoading(true);
  EXPECT_TRUE(loading.announce().isEmpty());
  EXPECT_TRUE(loading.statuses.isEmpty());

  SequencerRig carrier;
  carrier.keying.carrier = true;
  EXPECT_TRUE(carrier.announce().isEmpty());
  EXPECT_TRUE(carrier.keying.events.isEmpty());

  // A second click while one plays changes nothing.
  SequencerRig busy;
  busy.seq.Button1Click();
  EXPECT_TRUE(busy.seq.busy());
  EXPECT_FALSE(busy.seq.button1Enabled());
  EXPECT_FALSE(busy.seq.soundCardOkEnabled());
  busy.seq.Button1Click();
  busy.clock.runFor(60000);
  EXPECT_EQ(busy.pieces.count(QStringLiteral("son_tue")), 1);
  EXPECT_EQ(busy.statuses.count(QStringLiteral("PARLHORA SPIEL")), 1);
}

TEST(Announcement, EscDuringAPieceEndsAfterIt) {
  SequencerRig rig(QDateTime(QDate(2024, 3, 5), QTime(14, 35)), FakeWaveOut::Mode::Manual);
  rig.makeJingle("end.wav");
  rig.options.final = true;
  rig.options.finalFile = "end.wav";
  rig.seq.Button1Click();
  rig.clock.runFor(10);
  ASSERT_EQ(rig.pieces, L({"son_tue"}));
  rig.seq.FormKeyDown(13);  // other keys do nothing
  rig.seq.FormKeyDown(Sequencer::kEscKey);
  EXPECT_TRUE(rig.keying.keyed);  // the piece now playing finishes first
  ASSERT_TRUE(rig.out.completeNext());
  rig.clock.runFor(5000);
  EXPECT_EQ(rig.pieces, L({"son_tue"}));
  EXPECT_FALSE(rig.seq.busy());
  EXPECT_FALSE(rig.keying.keyed);
  EXPECT_EQ(rig.statuses.last(), QStringLiteral("PARLHORA DONE"));
}

TEST(Announcement, EscDuringTheStartPauseEndsWithoutPlaying) {
  SequencerRig rig;
  rig.options.pauseSeconds = 5;
  bool unkeyedAtEsc = false;
  rig.clock.callAfter(2000, [&rig, &unkeyedAtEsc]() {
    rig.seq.FormKeyDown(Sequencer::kEscKey);
    // No piece to finish: the transmitter is released at once, not when the pause is over.
    unkeyedAtEsc = rig.keying.events == L({"key", "unkey"});
  });
  rig.announce();
  EXPECT_TRUE(rig.pieces.isEmpty());
  EXPECT_TRUE(unkeyedAtEsc);
  EXPECT_FALSE(rig.seq.busy());
}

TEST(Announcement, EscWhenIdleIsIgnored) {
  SequencerRig rig;
  rig.seq.FormKeyDown(Sequencer::kEscKey);
  EXPECT_EQ(rig.seq.step(), 0);
  rig.options.date = false;
  EXPECT_EQ(rig.announce().size(), 5);
}

TEST(Announcement, FailuresEndAtOnceAndUnkey) {
  struct Failure {
    const char* name;
    std::function<void(SequencerRig&)> setup;
    const char* text;
  };
  const std::vector<Failure> failures = {
      {"empty greeting path",
       [](SequencerRig& r) {
         r.options.hello = true;
         r.options.cuckooFile.clear();
       },
       "Err: Wave file"},
      {"missing jingle file",
       [](SequencerRig& r) {
         r.options.header = true;
         r.options.headerFile = "nowhere.wav";
       },
       "Err: Wave file name"},
      {"device will not open", [](SequencerRig& r) { r.out.failOnce("open"); }, "Err: WaveOutOpen"},
      {"write fails on the fourth piece", [](SequencerRig& r) { r.out.failOnce("write", WaveOut::Error, 3); },
       "Err: waveOutWrite1"},
  };
  for (const Failure& f : failures) {
    SCOPED_TRACE(f.name);
    SequencerRig rig;
    f.setup(rig);
    rig.seq.Button1Click();
    rig.clock.runFor(5000);
    EXPECT_TRUE(rig.statuses.contains(QString::fromLatin1(f.text)));
    EXPECT_FALSE(rig.statuses.contains(QStringLiteral("PARLHORA DONE")));
    EXPECT_FALSE(rig.seq.busy());
    EXPECT_TRUE(rig.seq.button1Enabled());
    EXPECT_FALSE(rig.seq.safetyTimerActive());
    EXPECT_FALSE(rig.keying.keyed);
    EXPECT_FALSE(rig.out.isOpen());
    // The next announcement plays in full.
    rig.pieces.clear();
    rig.options = AnnouncementOptions();
    EXPECT_EQ(rig.announce().size(), 10);
  }
}

TEST(Announcement, ErrorSimulationWaitsForTheSafetyReset) {
  SequencerRig rig;
  rig.seq.MenuSimuErreurClick();
  EXPECT_TRUE(rig.seq.errorSimulation());
  rig.seq.Button1Click();
  EXPECT_TRUE(rig.seq.busy());
  EXPECT_FALSE(rig.seq.button1Enabled());
  rig.clock.runFor(Sequencer::kSafetyMs - 1);
  EXPECT_TRUE(rig.seq.busy());
  EXPECT_TRUE(rig.pieces.isEmpty());
  EXPECT_TRUE(rig.keying.events.isEmpty());
  rig.clock.runFor(1);
  rig.clock.runFor(2000);
  EXPECT_FALSE(rig.seq.busy());
  EXPECT_TRUE(rig.seq.button1Enabled());
  rig.seq.MenuSimuErreurClick();
  EXPECT_EQ(rig.statuses, L({"err simu", "PARLHORA SPIEL"})
                              << QStringLiteral("Fehler: Sicherheitsreset, Ansage hängt")
                              << QStringLiteral("simu err reset"));
}

TEST(Announcement, SafetyResetGivesAPlayingPieceOneMorePeriodOnly) {
  SequencerRig rig(QDateTime(QDate(2024, 3, 5), QTime(14, 35)), FakeWaveOut::Mode::Manual);
  rig.seq.Button1Click();
  rig.clock.runFor(Sequencer::kSafetyMs + 10);
  EXPECT_TRUE(rig.seq.busy());  // still playing: re-armed
  EXPECT_TRUE(rig.keying.keyed);
  rig.clock.runFor(Sequencer::kSafetyMs + 2000);
  EXPECT_FALSE(rig.seq.busy());
  EXPECT_FALSE(rig.keying.keyed);
  EXPECT_FALSE(rig.out.isOpen());
  EXPECT_FALSE(rig.engine.isPlaying());
  // The device is usable again.
  rig.out.setMode(FakeWaveOut::Mode::Immediate);
  rig.pieces.clear();
  EXPECT_EQ(rig.announce().size(), 10);
}

TEST(Announcement, SafetyResetSparesPlaybackThatProgressesAndNamesAStall) {
  // Ten minutes of header jingle at 8,000 bytes a second: 55 blocks, each
  // returned after its playing time.
  SequencerRig rig(QDateTime(QDate(2024, 3, 5), QTime(14, 35)), FakeWaveOut::Mode::PlayTime);
  QStringList logged;
  rig.seq.setLogSink([&logged](const QString& text) { logged << text; });
  const int tenMinutes = 10 * 60 * 8000;
  QFile jingle(rig.folder.filePath("bulletin.wav"));
  ASSERT_TRUE(jingle.open(QIODevice::WriteOnly));
  using namespace parlhora::test;
  jingle.write(WavImage::riff(WavImage::chunk("fmt ", WavImage::fmtFields(1, 1, 8000, 8)) +
                              WavImage::chunk("data", QByteArray(tenMinutes, '\x80'))));
  jingle.close();
  rig.options.header = true;
  rig.options.headerFile = "bulletin.wav";
  rig.seq.Button1Click();
  rig.clock.runFor(9 * 60 * 1000);
  EXPECT_TRUE(rig.seq.busy());
  EXPECT_TRUE(rig.engine.isPlaying());
  rig.clock.runFor(3 * 60 * 1000);
  EXPECT_FALSE(rig.seq.busy());
  ASSERT_EQ(rig.pieces.size(), 11);
  EXPECT_GE(rig.startedAtMs[1] - rig.startedAtMs[0], 10 * 60 * 1000);  // the jingle played whole
  EXPECT_EQ(rig.statuses.last(), QStringLiteral("PARLHORA DONE"));
  EXPECT_TRUE(logged.isEmpty());

  // The same device stalls: a reset within two to four minutes, with its cause.
  rig.out.setMode(FakeWaveOut::Mode::Manual);
  rig.seq.Button1Click();
  rig.clock.runFor(2 * Sequencer::kSafetyMs - 1000);
  EXPECT_TRUE(rig.seq.busy());
  rig.clock.runFor(2000);
  EXPECT_FALSE(rig.seq.busy());
  EXPECT_FALSE(rig.keying.keyed);
  EXPECT_EQ(logged, L({"Fehler: Sicherheitsreset, Wiedergabe steht"}));
  EXPECT_TRUE(rig.statuses.contains(logged.first()));
}

TEST(Announcement, WeatherWordsThatPlayNothingGoOnAtOnce) {
  SequencerRig rig;
  rig.options.date = false;
  rig.options.hourWithWords = false;
  rig.weather.items = {{100, ""}, {100, ""}};
  rig.seq.Button1Click();
  rig.clock.runFor(2000);
  EXPECT_TRUE(rig.pieces.isEmpty());
  EXPECT_FALSE(rig.seq.busy());
  EXPECT_EQ(rig.statuses.last(), QStringLiteral("PARLHORA DONE"));
}

TEST(Announcement, ShutdownDropsTheLines) {
  SequencerRig rig(QDateTime(QDate(2024, 3, 5), QTime(14, 35)), FakeWaveOut::Mode::Manual);
  rig.seq.Button1Click();
  rig.clock.runFor(10);
  ASSERT_TRUE(rig.keying.keyed);
  rig.seq.shutdown();
  EXPECT_FALSE(rig.keying.keyed);
  EXPECT_FALSE(rig.seq.safetyTimerActive());
}

TEST(Announcement, SpeaksTheReadingTakenAtItsStart) {
  SequencerRig rig(QDateTime(QDate(2024, 3, 5), QTime(12, 59)), FakeWaveOut::Mode::Manual);
  rig.options.date = false;
  rig.seq.Button1Click();
  rig.clock.runFor(10);
  // The tick moves on to 13:00 while "it is" plays.
  rig.speakAt(QDateTime(QDate(2024, 3, 5), QTime(13, 0)));
  while (rig.seq.busy() && rig.clock.monotonicMs() < 60000) {
    rig.clock.runFor(10);  // the device reports open before it returns a block
    rig.out.completeNext();
  }
  EXPECT_EQ(rig.pieces, L({"son_it_s", "son12", "Son_hour", "son59", "son_minute"}));
}
