// The search of all serial split masks of one block: the fast engine against
// the mask-by-mask reference, on random blocks and on blocks built to split;
// and what `lodex-cli serial --list` costs beyond the search.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <ctime>
#include <string>
#include <vector>

#include "app/dialogs/SerialDialog.h"
#include "model/SchemeFile.h"
#include "model/TempDir.h"
#include "serial_blocks.h"
#include "synthesis/SerialSearch.h"

extern char** environ;

namespace {

using lodex::CLogicalScheme;

// Arguments: inputs, outputs, percent of undefined words, decomposable (0/1).
CLogicalScheme BlockFor(const benchmark::State& state) {
  const int n = static_cast<int>(state.range(0)), m = static_cast<int>(state.range(1));
  const double undefined = static_cast<double>(state.range(2)) / 100.0;
  if (state.range(3) == 0) return lodex::testing::RandomScheme(n, m, undefined, 42);
  // Half the inputs feed a lower block with four classes.
  const uint32_t bound = (1u << (n / 2)) - 1;
  return lodex::testing::DecomposableScheme(n, m, undefined, 42, bound, 4);
}

void Label(benchmark::State& state, size_t candidates) {
  state.counters["candidates"] = static_cast<double>(candidates);
  state.SetLabel(state.range(3) ? "decomposable" : "random");
}

void BM_SearchFast(benchmark::State& state) {
  const CLogicalScheme scheme = BlockFor(state);
  size_t found = 0;
  for (auto _ : state) {
    auto result = lodex::SearchSplits(scheme, 1);
    found = result.candidates.size();
    benchmark::DoNotOptimize(result);
  }
  Label(state, found);
}

void BM_SearchReference(benchmark::State& state) {
  const CLogicalScheme scheme = BlockFor(state);
  size_t found = 0;
  for (auto _ : state) {
    auto result = lodex::SearchSplitsReference(scheme, 1);
    found = result.size();
    benchmark::DoNotOptimize(result);
  }
  Label(state, found);
}

void Shapes(benchmark::internal::Benchmark* b) {
  for (int decomposable : {0, 1})
    for (int n : {14, 16})
      for (int m : {1, 4})
        for (int undefined : {0, 30}) b->Args({n, m, undefined, decomposable});
  // Real time is what the user waits for; the CPU column sums all threads, so
  // that figures taken on a busy machine can still be compared.
  b->ArgNames({"n", "m", "undef%", "dec"})->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
}

double WallMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// CPU time of this process (every thread) and of its finished children.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  rusage children{};
  getrusage(RUSAGE_CHILDREN, &children);
  auto ms = [](const timeval& v) { return static_cast<double>(v.tv_sec) * 1e3 + static_cast<double>(v.tv_usec) / 1e3; };
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6 + ms(children.ru_utime) +
         ms(children.ru_stime);
}

// Runs lodex-cli with `args`, its output thrown away; false when it fails.
bool RunCli(std::vector<std::string> args) {
  std::vector<char*> argv{const_cast<char*>(LODEX_CLI)};
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int error = posix_spawn(&pid, LODEX_CLI, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return error == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// One project file, three ways in each iteration: the search alone, the list
// in this process (file read, the dialog model's search and rows), and the
// whole `lodex-cli serial --list` run; beside them the run of `lodex-cli
// --version`, the floor of any command. The counters give every figure per
// iteration in ms and as a ratio of the search, wall and CPU, all taken in
// the same run, so that a busy machine slows them alike. The reported time
// is the whole command's.
void BM_SerialListOverhead(benchmark::State& state) {
  const CLogicalScheme scheme = BlockFor(state);
  const lodex::testing::CTempDir dir;
  const std::string path = dir.File("block.shc");
  if (!lodex::SaveSchemeFile(path, scheme)) {
    state.SkipWithError("cannot write the project");
    return;
  }
  enum { kSearch, kList, kCli, kStart, kParts };
  double wall[kParts] = {}, cpu[kParts] = {};
  auto timed = [&](int part, auto&& body) {
    const double w = WallMs(), c = CpuMs();
    const bool ok = body();
    wall[part] += WallMs() - w;
    cpu[part] += CpuMs() - c;
    return ok;
  };
  for (auto _ : state) {
    timed(kSearch, [&] { return !lodex::SearchSplits(scheme, 1).cancelled; });
    timed(kList, [&] {
      CLogicalScheme loaded;
      if (!lodex::LoadSchemeFile(path, loaded)) return false;
      lodex::CSerialDialogModel model(loaded.GetBlock(1));
      model.Search();
      benchmark::DoNotOptimize(model.Rows());
      return true;
    });
    const double before = wall[kCli];
    const bool ok = timed(kCli,
                          [&] {
                            return RunCli({"serial", path, "--block", "1", "--list"});
                          }) &&
                    timed(kStart, [&] { return RunCli({"--version"}); });
    if (!ok) {
      state.SkipWithError("lodex-cli failed");
      return;
    }
    state.SetIterationTime((wall[kCli] - before) / 1e3);
  }
  const double runs = static_cast<double>(state.iterations());
  const char* names[kParts] = {"search", "list", "cli", "start"};
  for (int p = 0; p < kParts; ++p) {
    state.counters[std::string(names[p]) + "_ms"] = wall[p] / runs;
    if (p != kSearch) {
      state.counters[std::string(names[p]) + "/search"] = wall[p] / wall[kSearch];
      state.counters[std::string(names[p]) + "/search_cpu"] = cpu[p] / cpu[kSearch];
    }
  }
  state.SetLabel(state.range(3) ? "decomposable" : "random");
}

}  // namespace

BENCHMARK(BM_SearchFast)->Apply(Shapes);
// The reference at 16 inputs takes about a minute per run.
BENCHMARK(BM_SearchReference)->Apply(Shapes)->Iterations(1);
// A few runs each: at 14 inputs with undefined words one run of the three
// takes a few seconds on a busy machine.
BENCHMARK(BM_SerialListOverhead)
    ->ArgNames({"n", "m", "undef%", "dec"})
    ->Args({14, 3, 0, 0})
    ->Args({14, 3, 0, 1})
    ->Args({14, 3, 30, 1})
    ->Args({10, 3, 0, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);
