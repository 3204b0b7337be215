// Percent coding throughput on mixed text, against curl and memcpy.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <cstring>
#include <random>
#include <string>

#include "client_common/client_common.h"

namespace {
// About 70% unreserved bytes, the rest spread over every other byte value.
std::string MixedText(std::size_t size) {
  static const char kUnreserved[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~";
  std::mt19937 random(1206);
  std::bernoulli_distribution unreserved(0.7);
  std::uniform_int_distribution<int> any(1, 255);
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kUnreserved - 2);
  std::string text(size, '\0');
  for (char& c : text) {
    if (unreserved(random)) {
      c = kUnreserved[pick(random)];
    } else {
      do c = static_cast<char>(any(random));
      while (std::strchr(kUnreserved, c) != nullptr);
    }
  }
  return text;
}

void SetBytes(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void BM_Encode_ClientCommon(benchmark::State& state) {
  const std::string text = MixedText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(percent_encode(text));
  SetBytes(state, text.size());
}

void BM_Decode_ClientCommon(benchmark::State& state) {
  const std::string text =
      percent_encode(MixedText(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(percent_decode(text));
  SetBytes(state, text.size());
}

void BM_Encode_Curl(benchmark::State& state) {
  const std::string text = MixedText(static_cast<std::size_t>(state.range(0)));
  CURL* curl = curl_easy_init();
  for (auto _ : state) {
    char* out =
        curl_easy_escape(curl, text.data(), static_cast<int>(text.size()));
    benchmark::DoNotOptimize(out);
    curl_free(out);
  }
  curl_easy_cleanup(curl);
  SetBytes(state, text.size());
}

void BM_Decode_Curl(benchmark::State& state) {
  const std::string text =
      percent_encode(MixedText(static_cast<std::size_t>(state.range(0))));
  CURL* curl = curl_easy_init();
  for (auto _ : state) {
    int length = 0;
    char* out = curl_easy_unescape(curl, text.data(),
                                   static_cast<int>(text.size()), &length);
    benchmark::DoNotOptimize(out);
    curl_free(out);
  }
  curl_easy_cleanup(curl);
  SetBytes(state, text.size());
}

// The ceiling: a copy into a new string of the same size.
void BM_Copy_Memcpy(benchmark::State& state) {
  const std::string text = MixedText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    std::string copy(text.size(), '\0');
    std::memcpy(&copy[0], text.data(), text.size());
    benchmark::DoNotOptimize(copy);
  }
  SetBytes(state, text.size());
}

constexpr int64_t kKiB = 1 << 10, kMiB = 1 << 20;
BENCHMARK(BM_Encode_ClientCommon)->Arg(kKiB)->Arg(kMiB);
BENCHMARK(BM_Encode_Curl)->Arg(kKiB)->Arg(kMiB);
BENCHMARK(BM_Decode_ClientCommon)->Arg(kKiB)->Arg(kMiB);
BENCHMARK(BM_Decode_Curl)->Arg(kKiB)->Arg(kMiB);
BENCHMARK(BM_Copy_Memcpy)->Arg(kKiB)->Arg(kMiB);

}  // namespace
