#include <gtest/gtest.h>

#include <QtEndian>
#include <cmath>
#include <vector>

#include "audio/CwIdInterval.h"
#include "audio/MorseCode.h"
#include "audio/MorseTone.h"

using namespace parlhora;

namespace {

std::vector<double> samplesOf(const QByteArray& pcm) {
  std::vector<double> s(pcm.size() / 2);
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = qFromLittleEndian<std::int16_t>(pcm.constData() + 2 * i);
  return s;
}

struct Span {
  double startMs, endMs;
};

// Key-down spans where a centred one-cycle RMS passes half the peak: an
// edge centred on its instant is measured there, whatever the edge's shape.
std::vector<Span> marksOf(const std::vector<double>& s, int rate, int hz, double peak) {
  const int half = rate / hz / 2 + 1;
  std::vector<Span> spans;
  bool on = false;
  double start = 0;
  for (int n = 0; n < static_cast<int>(s.size()); ++n) {
    double sum = 0;
    int count = 0;
    for (int k = std::max(0, n - half); k <= std::min<int>(s.size() - 1, n + half); ++k, ++count)
      sum += s[k] * s[k];
    const bool level = std::sqrt(2 * sum / count) > peak / 2;
    if (level && !on) start = n * 1000.0 / rate;
    if (!level && on) spans.push_back({start, n * 1000.0 / rate});
    on = level;
  }
  if (on) spans.push_back({start, s.size() * 1000.0 / rate});
  return spans;
}

}  // namespace

TEST(MorseCode, SignsSpacingAndWhatCannotBeSent) {
  EXPECT_EQ(MorseCode::of(QChar(u'a')), ".-");
  EXPECT_EQ(MorseCode::of(QChar(u'0')), "-----");
  EXPECT_EQ(MorseCode::of(QChar(u'/')), "-..-.");
  EXPECT_EQ(MorseCode::of(QChar(u'Ä')), ".-.-");
  EXPECT_TRUE(MorseCode::of(QChar(u'#')).isEmpty());
  EXPECT_EQ(MorseCode::firstUnsendable("cq de dl1abc"), QChar());
  EXPECT_EQ(MorseCode::firstUnsendable("DL1#B"), QChar(u'#'));
  EXPECT_EQ(MorseCode::normalised("  cq   de\tdl1abc "), "CQ DE DL1ABC");
  // PARIS is 50 units with its word gap: 43 without, 50 + 43 for two words.
  EXPECT_EQ(MorseCode::units(MorseCode::marks("PARIS")), 43);
  EXPECT_EQ(MorseCode::units(MorseCode::marks("paris  PARIS")), 93);
  EXPECT_TRUE(MorseCode::marks("###").isEmpty());
}

TEST(MorseTone, PARISTimingToneLevelAndCleanEdgesFromTheSamples) {
  for (const int wpm : {10, 20, 40}) {
    SCOPED_TRACE(wpm);
    MorseToneParams p;
    p.wpm = wpm;
    p.hz = 700;
    p.levelPercent = 50;
    const std::vector<double> s = samplesOf(MorseTone::pcm("PARIS", p));
    const double dot = 1200.0 / wpm;
    const double peak = 0.5 * 32767;
    EXPECT_EQ(static_cast<int>(s.size()), static_cast<int>(std::ceil((43 * dot + 5) * 11.025)));

    // P .--.  A .-  R .-.  I ..  S ...
    const std::vector<int> lengths = {1, 3, 3, 1, 1, 3, 1, 3, 1, 1, 1, 1, 1, 1};
    const std::vector<Span> marks = marksOf(s, p.rate, p.hz, peak);
    ASSERT_EQ(marks.size(), lengths.size());
    const QVector<MorseCode::Mark> plan = MorseCode::marks("PARIS");
    for (std::size_t i = 0; i < marks.size(); ++i) {
      EXPECT_NEAR(marks[i].endMs - marks[i].startMs, lengths[i] * dot, 1.0) << i;
      EXPECT_NEAR(marks[i].startMs - 2.5, plan[i].start * dot, 1.0) << i;
    }

    // Level: the peak, never beyond it.
    double top = 0;
    for (double v : s) top = std::max(top, std::abs(v));
    EXPECT_NEAR(top, peak, peak * 0.01);

    // Tone: zero crossings inside the first dash.
    const int from = static_cast<int>((marks[1].startMs + 5) * 11.025);
    const int to = static_cast<int>((marks[1].endMs - 5) * 11.025);
    int crossings = 0;
    for (int n = from + 1; n <= to; ++n) crossings += (s[n - 1] < 0) != (s[n] < 0);
    EXPECT_NEAR(crossings / 2.0 / ((to - from) / 11025.0), p.hz, p.hz * 0.02);

    // Edges: silence up to each edge, full level about 5 ms later, and no
    // step anywhere bigger than the sine itself makes (a hard key clicks).
    EXPECT_LT(std::abs(s.front()), peak * 0.01);
    EXPECT_LT(std::abs(s.back()), peak * 0.01);
    for (const MorseCode::Mark& m : plan) {
      const int down = static_cast<int>(std::lround((m.start * dot) * 11.025));
      int first = down;
      while (first < static_cast<int>(s.size()) && s[first] == 0) ++first;
      int full = first;
      while (full < static_cast<int>(s.size()) && std::abs(s[full]) < peak * 0.98) ++full;
      EXPECT_LE(first - down, 5);
      EXPECT_NEAR((full - first) / 11.025, 4.6, 1.4);
    }
    const double sineStep = peak * 2 * std::sin(M_PI * p.hz / p.rate);
    for (std::size_t n = 1; n < s.size(); ++n) ASSERT_LE(std::abs(s[n] - s[n - 1]), sineStep * 1.02) << n;
  }
}

TEST(MorseTone, NothingToSendOrATonePastHalfTheRateGivesNoSound) {
  EXPECT_TRUE(MorseTone::wav("###", {}).isEmpty());
  EXPECT_TRUE(MorseTone::pcm("E", {20, 6000, 50, 11025}).isEmpty());
}

// An hour of announcements every 5 minutes whose length varies by some
// seconds, as the weather words do: which ones identify.
TEST(CwIdInterval, AnHourOfAnnouncementsEveryFiveMinutes) {
  const struct {
    int minMinutes;
    std::vector<int> minutes;
  } cases[] = {
      {0, {0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55}},
      {5, {0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55}},
      {7, {0, 10, 20, 30, 40, 50}},
      {10, {0, 10, 20, 30, 40, 50}},
      {15, {0, 15, 30, 45}},
      {30, {0, 30}},
      {60, {0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.minMinutes);
    CwIdInterval interval;
    std::vector<int> identified;
    for (int minute = 0; minute < 60; minute += 5) {
      // The identification ends the announcement: 20 s in, give or take 9 s.
      const std::int64_t at = minute * 60000LL + 20000 + ((minute * 7) % 19 - 9) * 1000;
      if (!interval.due(at, c.minMinutes)) continue;
      interval.sent(at);
      identified.push_back(minute);
    }
    EXPECT_EQ(identified, c.minutes);
  }
  CwIdInterval clockWentBack;
  clockWentBack.sent(600000);
  EXPECT_TRUE(clockWentBack.due(0, 10));
}
