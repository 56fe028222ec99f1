// Measures KL.EXE under the platform it runs on, side by side with a yardstick:
//  1. delivering to a window that is already there, against starting a program that does
//     nothing (median of interleaved runs);
//  2. the processor time KL.EXE takes while it waits for a started target's window.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "child_process.h"
#include "platform/registry_win32.h"
#include "store/registry.h"
#include "test_window.h"

namespace {

constexpr int kRuns = 15;
constexpr const char* kRecord = "\\Software\\kolbra\\.klbench";

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Wall time from start to exit of one run of the command line.
double TimeRun(const std::string& commandLine) {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  kl::test::ChildProcess child(commandLine);
  child.WaitForExit(60000);
  QueryPerformanceCounter(&end);
  return Seconds(start, end);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void WriteRecord(const std::string& command, const std::string& caption) {
  kl::Win32Registry backend;
  kl::TRegistry registry(backend);
  registry.OpenKey(kRecord, true);
  registry.WriteString("", command);
  registry.WriteString("caption", caption);
}

void MeasureDelivery(const std::string& folder) {
  const std::string title = "KL bench receiver " + std::to_string(GetCurrentProcessId());
  kl::test::TestWindow receiver(title);
  WriteRecord(folder + "noop.exe", title);
  const std::string kl = "\"" + folder + "KL.EXE\" C:\\bench\\a.klbench";
  const std::string noop = "\"" + folder + "noop.exe\" C:\\bench\\a.klbench";
  std::vector<double> klTimes, noopTimes;
  TimeRun(noop);  // warm up both
  TimeRun(kl);
  for (int run = 0; run < kRuns; ++run) {
    klTimes.push_back(TimeRun(kl));
    noopTimes.push_back(TimeRun(noop));
  }
  const auto drops = receiver.WaitForDrops(static_cast<std::size_t>(kRuns + 1), 10000);
  std::printf("delivery to a present window: KL.EXE %.1f ms, no-op program %.1f ms (medians of %d)\n",
              Median(klTimes) * 1000, Median(noopTimes) * 1000, kRuns);
  std::printf("  ratio %.2f (goal at most 1.30); %zu of %d deliveries arrived\n",
              Median(klTimes) / Median(noopTimes), drops.size(), kRuns + 1);
}

void MeasureWait(const std::string& folder) {
  // The target starts but never shows a window with this title: KL.EXE keeps waiting.
  WriteRecord("\"" + folder + "noop.exe\"", "KL bench title that never appears");
  kl::test::ChildProcess kl("\"" + folder + "KL.EXE\" C:\\bench\\a.klbench");
  Sleep(500);  // past the start
  FILETIME created, exited, kernelBefore, userBefore, kernelAfter, userAfter;
  HANDLE process = kl.handle();
  GetProcessTimes(process, &created, &exited, &kernelBefore, &userBefore);
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  Sleep(5000);
  QueryPerformanceCounter(&end);
  GetProcessTimes(process, &created, &exited, &kernelAfter, &userAfter);
  auto ticks = [](FILETIME t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  const double cpu = static_cast<double>(ticks(kernelAfter) - ticks(kernelBefore) + ticks(userAfter) -
                                         ticks(userBefore)) / 1e7;
  const double wall = Seconds(start, end);
  std::printf("waiting for a started target: %.1f ms of processor time in %.1f s\n", cpu * 1000, wall);
  std::printf("  %.2f%% of one core (goal under 2%%)\n", 100.0 * cpu / wall);
}

}  // namespace

int main() {
  const std::string folder = kl::test::OwnFolder();
  MeasureDelivery(folder);
  MeasureWait(folder);
  kl::Win32Registry backend;
  kl::TRegistry(backend).DeleteKey(kRecord);
  return 0;
}
