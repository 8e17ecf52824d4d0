#include "BenchInput.h"

#include <QProcess>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <vector>

extern char** environ;

QString MakeBenchMp3(const QString& folder, int seconds) {
  const QString wav = folder + "/bench.wav";
  const QString mp3 = folder + "/bench.mp3";
  // Chords with a little noise: enough spectral content to keep the decoder honest.
  const QStringList synth = {"-n", "-r", "44100", "-c", "2", "-b", "16", wav, "synth", QString::number(seconds),
                             "sine", "220", "sine", "277", "sine", "330", "pinknoise", "remix", "1,2,3,4", "1,2,3,4",
                             "vol", "0.2"};
  if (QProcess::execute("sox", synth) != 0) return {};
  if (QProcess::execute("lame", {"--quiet", "-b", "192", wav, mp3}) != 0) return {};
  return mp3;
}

double ChildCpuSeconds(const QString& program, const QStringList& arguments) {
  std::vector<QByteArray> storage;
  storage.push_back(program.toLocal8Bit());
  for (const QString& a : arguments) storage.push_back(a.toLocal8Bit());
  std::vector<char*> argv;
  for (auto& s : storage) argv.push_back(s.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
}

double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
}
