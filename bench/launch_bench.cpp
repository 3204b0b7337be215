// A whole launch: building the client's option table and parsing a typical
// argument vector, against general option parsers on the same tokens.
#include <benchmark/benchmark.h>
#include <getopt.h>

#include <CLI/CLI.hpp>
#include <boost/program_options.hpp>
#include <cxxopts.hpp>
#include <string>
#include <vector>

#include "bench/launch_workload.h"
#include "client_common/client_common.h"
#include "tools/qarel_launch/standard_options.h"

namespace {
// argv for the C-style parsers, with the program name first.
struct Argv {
  explicit Argv(const std::vector<std::string>& tokens) : storage(tokens) {
    storage.insert(storage.begin(), "client");
    for (auto& s : storage) pointers.push_back(s.data());
    pointers.push_back(nullptr);
  }
  int argc() const { return static_cast<int>(storage.size()); }
  char** argv() { return pointers.data(); }
  std::vector<std::string> storage;
  std::vector<char*> pointers;
};

void BM_Launch_ClientCommon(benchmark::State& state) {
  const std::vector<std::string> args = WholeLaunch();
  for (auto _ : state) {
    option_list opts = standard_options();
    benchmark::DoNotOptimize(arg_to_params(args, opts));
    benchmark::DoNotOptimize(opts);
  }
}
BENCHMARK(BM_Launch_ClientCommon);

// Plainly or observed, with a null callback or with one that counts the
// events.
enum class Told { kPlain, kNullCallback, kObserved };

int CountEvent(const client_common::ArgumentEvent&, void* events) {
  ++*static_cast<long*>(events);
  return 0;
}

bool Parse(const std::vector<std::string>& args, option_list& opts, Told told,
           long& events) {
  if (told == Told::kPlain) return arg_to_params(args, opts);
  return arg_to_params_observed(
      args, opts, told == Told::kObserved ? CountEvent : nullptr, &events);
}

// The whole launch, as BM_Launch_ClientCommon, told each way.
void BM_Launch(benchmark::State& state, Told told) {
  const std::vector<std::string> args = WholeLaunch();
  long events = 0;
  for (auto _ : state) {
    option_list opts = standard_options();
    benchmark::DoNotOptimize(Parse(args, opts, told, events));
  }
}
BENCHMARK_CAPTURE(BM_Launch, Plain, Told::kPlain);
BENCHMARK_CAPTURE(BM_Launch, NullCallback, Told::kNullCallback);
BENCHMARK_CAPTURE(BM_Launch, Observed, Told::kObserved);

// The parse alone, on one table that each run leaves unassigned again: the
// whole launch's arguments, and a launch URI with one value of 10 MB.
void BM_Parse(benchmark::State& state, const std::vector<std::string>& args,
              Told told) {
  option_list opts = standard_options();
  long events = 0;
  for (auto _ : state) {
    for (option_list::option& o : opts.options) o.is_set = false;
    opts.rejected_params.clear();
    benchmark::DoNotOptimize(Parse(args, opts, told, events));
  }
}
const std::vector<std::string> kLargeValue = {
    "quorvane-qarel://192.0.2.10?sni=" + std::string(10 << 20, 'x')};
BENCHMARK_CAPTURE(BM_Parse, Launch_Plain, WholeLaunch(), Told::kPlain);
BENCHMARK_CAPTURE(BM_Parse, Launch_Observed, WholeLaunch(), Told::kObserved);
BENCHMARK_CAPTURE(BM_Parse, LargeValue_Plain, kLargeValue, Told::kPlain)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Parse, LargeValue_Observed, kLargeValue, Told::kObserved)
    ->Unit(benchmark::kMillisecond);

void BM_Tokens_BoostProgramOptions(benchmark::State& state) {
  Argv a(kTokens);
  namespace po = boost::program_options;
  for (auto _ : state) {
    po::options_description desc("Options");
    // clang-format off
    desc.add_options()
        ("address,a", po::value<std::string>()->default_value(""), "Host")
        ("port,p", po::value<std::string>()->default_value("443"), "Port")
        ("sni", po::value<std::string>(), "TLS server name")
        ("connect-tag", po::value<std::string>(), "Connection tag")
        ("session-id", po::value<std::string>(), "Session")
        ("full-screen,f", po::bool_switch(), "Full screen")
        ("use-smartcard", po::bool_switch(), "Smartcard")
        ("disable-usb", po::bool_switch(), "No USB")
        ("usb-auto-forward", po::bool_switch(), "USB forward")
        ("locale", po::value<std::string>(), "Locale")
        ("logfile", po::value<std::string>(), "Log file")
        ("log-level,l", po::value<std::string>()->default_value("info"), "Level")
        ("multimon,m", po::bool_switch(), "Span all monitors");
    // clang-format on
    po::variables_map vm;
    po::store(po::parse_command_line(a.argc(), a.argv(), desc), vm);
    po::notify(vm);
    benchmark::DoNotOptimize(vm);
  }
}
BENCHMARK(BM_Tokens_BoostProgramOptions);

void BM_Tokens_CLI11(benchmark::State& state) {
  Argv a(kTokens);
  for (auto _ : state) {
    CLI::App app("client");
    std::string address, port = "443", sni, tag, session, locale, logfile,
                         level = "info";
    bool full = false, smartcard = false, usb_off = false, forward = false,
         multimon = false;
    app.add_option("-a,--address", address, "Host");
    app.add_option("-p,--port", port, "Port");
    app.add_option("--sni", sni, "TLS server name");
    app.add_option("--connect-tag", tag, "Connection tag");
    app.add_option("--session-id", session, "Session");
    app.add_flag("-f,--full-screen", full, "Full screen");
    app.add_flag("--use-smartcard", smartcard, "Smartcard");
    app.add_flag("--disable-usb", usb_off, "No USB");
    app.add_flag("--usb-auto-forward", forward, "USB forward");
    app.add_option("--locale", locale, "Locale");
    app.add_option("--logfile", logfile, "Log file");
    app.add_option("-l,--log-level", level, "Level");
    app.add_flag("-m,--multimon", multimon, "Span all monitors");
    app.parse(a.argc(), a.argv());
    benchmark::DoNotOptimize(level);
  }
}
BENCHMARK(BM_Tokens_CLI11);

void BM_Tokens_Cxxopts(benchmark::State& state) {
  Argv a(kTokens);
  for (auto _ : state) {
    cxxopts::Options options("client");
    // clang-format off
    options.add_options()
        ("a,address", "Host", cxxopts::value<std::string>()->default_value(""))
        ("p,port", "Port", cxxopts::value<std::string>()->default_value("443"))
        ("sni", "TLS server name", cxxopts::value<std::string>())
        ("connect-tag", "Connection tag", cxxopts::value<std::string>())
        ("session-id", "Session", cxxopts::value<std::string>())
        ("f,full-screen", "Full screen")
        ("use-smartcard", "Smartcard")
        ("disable-usb", "No USB")
        ("usb-auto-forward", "USB forward")
        ("locale", "Locale", cxxopts::value<std::string>())
        ("logfile", "Log file", cxxopts::value<std::string>())
        ("l,log-level", "Level", cxxopts::value<std::string>()->default_value("info"))
        ("m,multimon", "Span all monitors");
    // clang-format on
    const auto result = options.parse(a.argc(), a.argv());
    benchmark::DoNotOptimize(result["log-level"].as<std::string>());
  }
}
BENCHMARK(BM_Tokens_Cxxopts);

// The floor: glibc's getopt_long over a static table, storing pointers.
void BM_Tokens_GetoptLong(benchmark::State& state) {
  static const option kOptions[] = {
      {"address", required_argument, nullptr, 'a'},
      {"port", required_argument, nullptr, 'p'},
      {"sni", required_argument, nullptr, 1},
      {"connect-tag", required_argument, nullptr, 2},
      {"session-id", required_argument, nullptr, 3},
      {"full-screen", no_argument, nullptr, 'f'},
      {"use-smartcard", no_argument, nullptr, 4},
      {"disable-usb", no_argument, nullptr, 5},
      {"usb-auto-forward", no_argument, nullptr, 6},
      {"locale", required_argument, nullptr, 7},
      {"logfile", required_argument, nullptr, 8},
      {"log-level", required_argument, nullptr, 'l'},
      {"multimon", no_argument, nullptr, 'm'},
      {nullptr, 0, nullptr, 0}};
  Argv a(kTokens);
  for (auto _ : state) {
    const char* values[16] = {};
    bool flags[16] = {};
    optind = 0;  // full reinitialisation, as for a new process
    for (int c; (c = getopt_long(a.argc(), a.argv(), "a:p:fl:m", kOptions,
                                 nullptr)) != -1;) {
      const int slot = c & 15;
      if (optarg != nullptr)
        values[slot] = optarg;
      else
        flags[slot] = true;
    }
    benchmark::DoNotOptimize(values);
    benchmark::DoNotOptimize(flags);
  }
}
BENCHMARK(BM_Tokens_GetoptLong);

}  // namespace
