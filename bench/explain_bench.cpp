// qarel-launch parse --explain against a plain parse of the same launch URI,
// for URIs of 1,000, 10,000 and 100,000 parts: the explanation must grow
// with the parts as the parse does, never with their square. And 100,000
// switches after five values of 130 KB, against the switches alone: the
// cost grows with the bytes of the arguments, not with what is stored.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "client_common/client_common.h"
#include "tools/qarel_launch/explain.h"
#include "tools/qarel_launch/standard_options.h"

namespace {
// A launch URI of `parts` parameters: values set, switches, refused keys
// and empty parameters in turn, so that the rejection records grow too.
std::string Uri(int64_t parts) {
  static const char* const kParts[] = {"sni=desk%20pool", "full-screen", "",
                                       "bogus=1", "log-level=3"};
  std::string uri = "quorvane-qarel://192.0.2.10:900?";
  for (int64_t i = 0; i < parts; ++i) {
    uri += kParts[i % 5];
    uri += '&';
  }
  uri.pop_back();
  return uri;
}

void BM_PlainParse(benchmark::State& state) {
  const Args args = {Uri(state.range(0))};
  const option_list table = standard_options();
  for (auto _ : state) {
    option_list opts = table;
    benchmark::DoNotOptimize(arg_to_params(args, opts));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PlainParse)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// parse --explain of `args`, its lines sent to /dev/null: what is measured
// is reading the launch and writing them, not the terminal.
void Explain(benchmark::State& state, const Args& args) {
  const option_list table = standard_options();
  std::FILE* null = std::fopen("/dev/null", "w");
  for (auto _ : state) {
    option_list opts = table;
    benchmark::DoNotOptimize(read_arguments(args, opts, null));
  }
  std::fclose(null);
}

void BM_Explain(benchmark::State& state) {
  Explain(state, {Uri(state.range(0))});
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Explain)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Argument 1: five values of 130 KB before the switches; 0: none.
void BM_ExplainAfterLargeValues(benchmark::State& state) {
  Args args(state.range(0) == 1 ? 5 : 0, "--sni=" + std::string(130000, 'x'));
  args.insert(args.end(), 100000, "-f");
  Explain(state, args);
}
BENCHMARK(BM_ExplainAfterLargeValues)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
}  // namespace
