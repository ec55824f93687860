#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <random>
#include <thread>

#include "app/SettingsService.h"
#include "fakes/FakeNotifier.h"
#include "platform/backends/PosixSettingsStore.h"

extern char** environ;

namespace parlhora {
namespace {

constexpr const char* kLoopEnv = "PARLHORA_SAVE_LOOP_DIR";

QByteArray readFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Two versions large enough that a kill often lands inside a write.
QByteArray version(char fill) {
  QByteArray bytes = SettingsFile::header();
  bytes += "\r\n";
  for (int i = 0; i < 4000; ++i) bytes += "APRS_LIST=" + QByteArray(60, fill) + "\r\n";
  return bytes;
}

mode_t modeOf(const QString& path) {
  struct stat st {};
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

TEST(SettingsStore, MissingFileIsMissingNotFailed) {
  QTemporaryDir dir;
  PosixSettingsStore store(dir.path());
  EXPECT_EQ(store.read().status, SettingsStore::ReadStatus::Missing);
  ASSERT_TRUE(QDir(dir.path()).mkdir("parlhora.ini"));
  EXPECT_EQ(store.read().status, SettingsStore::ReadStatus::Failed);
}

TEST(SettingsStore, SaveIsOwnerOnlyReadOnlyAndReplaceableAgain) {
  QTemporaryDir dir;
  PosixSettingsStore store(dir.path());
  QString error;
  ASSERT_TRUE(store.write("first", &error)) << error.toStdString();
  EXPECT_EQ(modeOf(store.filePath()), 0400u);
  ASSERT_TRUE(store.write("second", &error)) << error.toStdString();
  EXPECT_EQ(readFile(store.filePath()), "second");
  EXPECT_EQ(modeOf(store.filePath()), 0400u);
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("parlhora.~in")));
  const auto read = store.read();
  EXPECT_EQ(read.status, SettingsStore::ReadStatus::Ok);
  EXPECT_EQ(read.bytes, "second");
}

TEST(SettingsStore, StaleTwinIsReplaced) {
  QTemporaryDir dir;
  QFile stale(dir.filePath("parlhora.~in"));
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write("half a file");
  stale.close();
  ASSERT_EQ(::chmod(QFile::encodeName(stale.fileName()).constData(), 0400), 0);
  PosixSettingsStore store(dir.path());
  EXPECT_TRUE(store.write("new", nullptr));
  EXPECT_EQ(readFile(store.filePath()), "new");
}

TEST(SettingsService, FailedSaveBeepsReportsAndKeepsOldFile) {
  QTemporaryDir dir;
  PosixSettingsStore store(dir.path());
  ASSERT_TRUE(store.write("old contents", nullptr));
  FakeNotifier notifier;
  QStringList status;
  SettingsService service(store, notifier, SettingsService::probeIn(dir.path()),
                          [&status](const QString& t) { status << t; });

  // A directory where the twin goes (and, second, where the file goes).
  ASSERT_TRUE(QDir(dir.path()).mkpath("parlhora.~in/inner"));
  EXPECT_FALSE(service.SaveSettings(AnnouncerSettings{}));
  EXPECT_EQ(readFile(store.filePath()), "old contents");
  EXPECT_EQ(notifier.beeps, 1);
  EXPECT_EQ(status, QStringList{"Fehler: parlhora.ini"});

  QTemporaryDir other;
  ASSERT_TRUE(QDir(other.path()).mkpath("parlhora.ini/inner"));
  PosixSettingsStore blocked(other.path());
  SettingsService second(blocked, notifier, {}, {});
  EXPECT_FALSE(second.SaveSettings(AnnouncerSettings{}));
  EXPECT_FALSE(QFileInfo::exists(other.filePath("parlhora.~in")));
  EXPECT_EQ(notifier.beeps, 2);
}

TEST(SettingsService, ReadOnlyFolderFailsCleanly) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  QTemporaryDir dir;
  PosixSettingsStore store(dir.path());
  ASSERT_TRUE(store.write("old", nullptr));
  ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0500), 0);
  FakeNotifier notifier;
  SettingsService service(store, notifier, {}, {});
  EXPECT_FALSE(service.SaveSettings(AnnouncerSettings{}));
  ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
  EXPECT_EQ(readFile(store.filePath()), "old");
}

TEST(SettingsService, LoadAndSaveThroughTheStore) {
  QTemporaryDir dir;
  PosixSettingsStore store(dir.path());
  FakeNotifier notifier;
  SettingsService service(store, notifier, SettingsService::probeIn(dir.path()), {});
  AnnouncerSettings s;
  service.LoadSettings(s);  // no file: defaults stay
  EXPECT_EQ(SettingsFile::save(s), SettingsFile::save(AnnouncerSettings{}));

  QFile history(dir.filePath("history.dat"));
  ASSERT_TRUE(history.open(QIODevice::WriteOnly));
  history.close();
  s.w23.file = "history.dat";
  s.w28.file = "absent.dat";
  s.schedule.startHour = 7;
  ASSERT_TRUE(service.SaveSettings(s));
  AnnouncerSettings t;
  service.LoadSettings(t);
  EXPECT_EQ(t.schedule.startHour, 7);
  EXPECT_EQ(t.w23.file, "history.dat");
  EXPECT_TRUE(t.w28.file.isEmpty());
  EXPECT_EQ(t.w28.errorText, "Dateifehler");
  EXPECT_EQ(notifier.beeps, 0);
}

// Run only as the child of the kill test: saves two versions in turn until killed.
TEST(AtomicSaveChild, SavesUntilKilled) {
  const QString folder = qEnvironmentVariable(kLoopEnv);
  if (folder.isEmpty()) GTEST_SKIP() << "child of SettingsStore.KillDuringSaveLeavesCompleteFile only";
  PosixSettingsStore store(folder);
  const QByteArray a = version('a'), b = version('b');
  for (bool first = true;; first = false) {
    if (!store.write(b, nullptr) || !store.write(a, nullptr)) std::_Exit(3);
    if (first) {
      QFile ready(folder + "/ready");
      if (!ready.open(QIODevice::WriteOnly)) std::_Exit(4);
    }
  }
}

TEST(SettingsStore, KillDuringSaveLeavesCompleteFile) {
  QTemporaryDir dir;
  PosixSettingsStore store(dir.path());
  const QByteArray a = version('a'), b = version('b');
  ASSERT_TRUE(store.write(a, nullptr));
  const QByteArray env = QByteArray(kLoopEnv) + "=" + QFile::encodeName(dir.path());
  std::vector<char*> envp;
  for (char** e = environ; *e; ++e) envp.push_back(*e);
  envp.push_back(const_cast<char*>(env.constData()));
  envp.push_back(nullptr);
  char self[] = "/proc/self/exe";
  char filter[] = "--gtest_filter=AtomicSaveChild.*";
  char* argv[] = {self, filter, nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  std::mt19937 random(12345);
  int midWrite = 0;
  for (int round = 0; round < 50; ++round) {
    QFile::remove(dir.filePath("ready"));
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, argv, envp.data()), 0);
    for (int waited = 0; !QFileInfo::exists(dir.filePath("ready")) && waited < 20000; ++waited)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
    ASSERT_EQ(::kill(pid, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status)) << "child ended by itself, status " << status;
    const QByteArray now = readFile(store.filePath());
    ASSERT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
    midWrite += QFileInfo::exists(dir.filePath("parlhora.~in"));
  }
  posix_spawn_file_actions_destroy(&actions);
  // Most kills should have caught a twin half-written; otherwise the test proves little.
  EXPECT_GT(midWrite, 5);
}

}  // namespace
}  // namespace parlhora
