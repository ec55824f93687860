#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "audio/AnnouncementOptions.h"
#include "audio/JingleFiles.h"
#include "fakes/FakeNotifier.h"

using namespace parlhora;

TEST(JingleFiles, OnlyAFileThatOpensIsKept) {
  QTemporaryDir dir;
  AnnouncementOptions options;
  FakeNotifier notifier;
  JingleFiles jingles(options, notifier);
  const QString intro = QDir(dir.path()).filePath("intro.wav");
  QFile file(intro);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  EXPECT_TRUE(jingles.accept(JingleFiles::Jingle::Final, intro));
  EXPECT_EQ(options.finalFile, QFile::encodeName(intro));

  // A FIFO would block the program in open(); a folder is no sound.
  const QString fifo = QDir(dir.path()).filePath("fifo.wav");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  EXPECT_FALSE(jingles.accept(JingleFiles::Jingle::Final, fifo));
  EXPECT_TRUE(options.finalFile.isEmpty());
  EXPECT_FALSE(jingles.accept(JingleFiles::Jingle::Cuckoo, dir.path()));
  EXPECT_TRUE(options.cuckooFile.isEmpty());
  EXPECT_EQ(notifier.boxes, (QStringList{"Fehler: Dateiname", "Fehler: Dateiname"}));
}
