// option_list::get over tables of growing size: the linear walk.
#include <benchmark/benchmark.h>

#include <string>

#include "option_list/option_flags.h"
#include "option_list/option_list.h"

namespace {
void BM_Get_LastOfTable(benchmark::State& state) {
  option_list t;
  const auto size = static_cast<int>(state.range(0));
  for (int i = 0; i < size; ++i) {
    client_common::add_option(t, "", "option-" + std::to_string(i), "value",
                              "An option", client_common::kFromUri);
  }
  const std::string last = "OPTION-" + std::to_string(size - 1);
  for (auto _ : state) benchmark::DoNotOptimize(t.get(last));
}
BENCHMARK(BM_Get_LastOfTable)->Arg(15)->Arg(100)->Arg(1000);
}  // namespace
