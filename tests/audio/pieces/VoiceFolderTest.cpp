#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "audio/VoiceFolder.h"

using namespace parlhora;

TEST(VoiceFolder, OnlyARegularFileWithAPiecesLowerCaseNameReplacesIt) {
  QTemporaryDir home;
  QDir(home.path()).mkpath("voice/son_2.wav");  // a folder of that name
  for (const char* name : {"son_1.wav", "SON_MON.WAV", "son_nope.wav", "son_it_s.WAV"}) {
    QFile file(QDir(home.path()).filePath(QStringLiteral("voice/") + name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  const struct {
    const char* piece;
    const char* replacement;
  } cases[] = {
      {"son_1", "voice/son_1.wav"},
      {"SON_1", "voice/son_1.wav"},  // pieces are asked for in any case
      {"son_2", ""},
      {"son_mon", ""},
      {"son_nope", ""},
      {"son_it_s", ""},
      {"../voice/son_1", ""},
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(VoiceFolder::overrideFor(home.path(), c.piece), QString(c.replacement)) << c.piece;
  EXPECT_EQ(VoiceFolder::overrideFor(QString(), "son_1"), QString());
}
