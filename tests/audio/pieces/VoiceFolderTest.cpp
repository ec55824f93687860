#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "audio/VoiceFolder.h"

using namespace parlhora;

TEST(VoiceFolder, OnlyARegularFileWithAPiecesLowerCaseNameReplacesIt) {
  QTemporaryDir home;
  QDir(home.path()).mkpath("voice/son2.wav");  // a folder of that name
  for (const char* name : {"son1.wav", "SON_MON.WAV", "son_nope.wav", "son_it_s.WAV"}) {
    QFile file(QDir(home.path()).filePath(QStringLiteral("voice/") + name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  const struct {
    const char* piece;
    const char* replacement;
  } cases[] = {
      {"son1", "voice/son1.wav"},
      {"SON1", "voice/son1.wav"},  // pieces are asked for in any case
      {"son2", ""},
      {"son_mon", ""},
      {"son_nope", ""},
      {"son_it_s", ""},
      {"../voice/son1", ""},
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(VoiceFolder::overrideFor(home.path(), c.piece), QString(c.replacement)) << c.piece;
  EXPECT_EQ(VoiceFolder::overrideFor(QString(), "son1"), QString());
}
