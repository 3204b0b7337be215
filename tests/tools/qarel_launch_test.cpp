// qarel-launch run as a process in this test's own folder. Each run is a
// fresh process, so the first parse finds nothing waiting.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <boost/algorithm/string/finder.hpp>
#include <boost/algorithm/string/iter_find.hpp>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"
#include "text_escape/text_escape.h"

using Args = std::vector<std::string>;
using text_escape::escaped;
using text_escape::Source;

namespace {
const std::string kTool = QAREL_LAUNCH;
const std::string kTable = CLIENT_TABLE;
const std::string kUri = "quorvane-qarel://";

struct Outcome {
  int status;
  std::string out, err;
};

// Runs the tool with `args` in `dir`, its output in files beside it, or
// where `streams` sends it, after the shell commands `first`.
Outcome Launch(Args args, const TempDir& dir,
               const std::string& streams = ">out 2>err",
               const std::string& first = "") {
  std::string command = "cd " + dir.path + " && rm -f out err && " + first +
                        "timeout 10 " + kTool;
  for (std::string& a : args)  // each argument quoted for the shell
    command += " '" + std::regex_replace(a, std::regex("'"), "'\\''") + "'";
  const int raw = std::system((command + " " + streams).c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(dir.file("out")),
          ReadFile(dir.file("err"))};
}

// Whether `text` is `pattern`, where each "…" stands for any text: the
// first piece starts the text, the last ends it, the others follow in order.
bool Matches(const std::string& text, const std::string& pattern) {
  std::vector<std::string> pieces;
  boost::algorithm::iter_split(pieces, pattern,
                               boost::algorithm::first_finder("…"));
  if (pieces.size() == 1) return text == pattern;
  if (text.rfind(pieces.front(), 0) != 0) return false;
  std::size_t at = pieces.front().size();
  for (auto piece = pieces.begin() + 1; piece + 1 != pieces.end(); ++piece) {
    at = text.find(*piece, at);
    if (at == std::string::npos) return false;
    at += piece->size();
  }
  const std::string& last = pieces.back();
  return text.size() >= at + last.size() &&
         text.compare(text.size() - last.size(), last.size(), last) == 0;
}

// parse --explain with the client's table of tests/tools/client_table.txt.
Args Explain(Args args) {
  args.insert(args.begin(), {"parse", "--table", kTable, "--explain"});
  return args;
}

// The standard table's report header, as parse prints it.
const std::string kReport =
    "\nShort                       Long Key           Value Description\n"
    "-----                       --------           ----- -----------\n";
}  // namespace

TEST(QarelLaunch, EachCaseGivesItsStatusOutputAndNoMaskedValue) {
  TempDir dir;
  const std::string logs = dir.file("logs"), elsewhere = dir.file("elsewhere");
  std::filesystem::create_directory(logs);
  std::filesystem::create_directory(elsewhere);
  std::filesystem::create_symlink(elsewhere + "/target", logs + "/link");
  const std::string encoded_elsewhere =  // a path as a URI value carries it
      std::regex_replace(elsewhere, std::regex("/"), "%2f");
  const std::map<std::string, std::string> tables = {
      {"faults",  // from its third line, each line breaks a rule
       "# a comment, then a blank line\n\n"
       "a|b|valued\n"
       "a|b|flag||-|d\n"
       "c|c|valued||uri,bold|d\n"
       "|9x|valued||-|d\n"
       "ab|ab|valued||-|d\n"
       "n|Name|valued||-|d\n"  // the one line that holds
       "|name|valued||-|d\n"
       "N|two|valued||-|d\n"
       "s|sw|switch|yes|-|d"},
      {"empty", "# nothing but a comment\n"},
      {"masked",
       "|secret|valued|hush-d1|masked|Secret\n|table|valued||masked|T\n"},
  };
  for (const auto& [name, text] : tables) std::ofstream(dir.file(name)) << text;
  ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0600), 0);

  const struct {
    Args args;
    int status;
    std::string out, err;  // exact, or "…" for any text
    // Masked values, shown nowhere. Each holds a "-", so none can turn up
    // inside this folder's name, which some outputs print.
    std::vector<std::string> secrets = {};
  } cases[] = {
      // clang-format off
      // parse: the standard table's report, rejections, malformed URIs.
      {{"parse", "-l", "debug", "connect-tag=hush-c1", kUri + "h:900?sni=a%20b"}, 0, kReport +
          "   -a                        address               h Host to connect to\n"
          "   -p                           port             900 Port to connect to\n"
          "                                 sni             a b TLS server name\n"
          "                         connect-tag        ******** Connection tag from the broker\n"
          "   -l                      log-level           debug critical, error, info, debug or 0 to 5\n",
          "", {"hush-c1"}},
      {{"parse", "foo", "--", "-l"}, 1, kReport + "\nRejected: CL_param:'foo' CL_param:'' \n",
          "qarel-launch: note: log-level (-l) waits for a value that never came, and is not "
          "assigned\n"},
      {{"parse", kUri + "?a b", "%%s%n", std::string(5000, 'x')}, 2,
          "…\nRejected: URI_opt:'a b' CL_param:'%%s%n' CL_param:'xxx…x' \n"
          "\nA launch URI is malformed.\n", ""},
      {{"parse", "quorvane-qarel:h?connect-tag=hush-c2"}, 0, kReport,
          "qarel-launch: note: \"quorvane-qarel:********\" is ignored: no "
          "\"//\" after the scheme\n", {"hush-c2"}},
      // The event log is only reported, unless --open-log names a folder.
      {{"parse", kUri + "h?logfile=" + encoded_elsewhere + "%2fx%22.log"}, 0,
          "…\nEvent log: the client would write \"" + elsewhere + "/x\\x22.log\"; qarel-launch "
          "wrote nothing (--open-log DIR writes it into DIR).\n", ""},
      {{"parse", "--open-log", "logs", "-l", "3", "logfile=y.log", "address=h"}, 0,
          "…\nEvent log: the client would write \"y.log\"; qarel-launch wrote "
          "\"logs/y.log\".\n", ""},
      // --open-log writes only a new regular file directly in DIR.
      {{"parse", "--open-log=logs", "logfile=link"}, 2, "…qarel-launch could not write it.\n",
          "qarel-launch: parse: --open-log logs: link: exists already; only a new file is "
          "written\n"},
      {{"parse", "--open-log", "logs", "logfile=.profile"}, 2, "…",
          "qarel-launch: parse: --open-log logs: \"logfile\" names no plain file name, or one "
          "that begins with \".\" or \"-\"; nothing written\n"},
      {{"parse", "--open-log", "logs", "logfile=-rf"}, 2, "…", "…; nothing written\n"},
      {{"parse", "--table", kTable, "--open-log", "logs", "--ticket=hush-t1", "address=h"}, 0,
          "…\nEvent log: no logfile is set; qarel-launch wrote \"logs/qarel-launch.log\".\n",
          "", {"hush-t1"}},
      {{"parse", "--open-log", "none", "x"}, 2, "",
          "qarel-launch: parse: --open-log none: no such folder\n"},
      {{"parse", "--open-log", "masked", "x"}, 2, "",
          "qarel-launch: parse: --open-log masked: not a folder\n"},
      {{"parse", "--table"}, 2, "", "qarel-launch: parse: --table needs a FILE\n"},
      // --explain: every reason, and masked values kept from every stream.
      {Explain({"-l", "--name", "v"}), 0,
          "\"-l\": waits for the value of log-level (-l) in the next argument\n"
          "\"--name\": waits for the value of name (-n) in the next argument, dropping "
          "log-level (-l), which was waiting\n\"v\": fills name (-n), which was waiting, "
          "= \"v\"\n…", ""},
      {Explain({"--name=a%20b", "-f", "-f", "-n=a b"}), 0,
          "\"--name=a%20b\": sets name (-n) = \"a b\"\n"
          "\"-f\": sets full-screen (-f) to True\n"
          "\"-f\": sets full-screen (-f) to True, as it already was\n"
          "\"-n=a b\": changes nothing in the table\n…", ""},
      {Explain({"-l", "--bogus", "--9x=1", "-f=1"}), 1, "\"-l\": …\n"
          "\"--bogus\": refused, CL_param:'bogus': unknown key; log-level (-l) no longer "
          "waits\n"
          "\"--9x=1\": refused, CL_param:'9x': malformed key\n"
          "\"-f=1\": refused, CL_param:'f=1': a switch given a value\n…", ""},
      {Explain({kUri + "h?cl-only=1&name&name=a=b", kUri + ":900", kUri + "h?%&"}), 2,
          "\"quorvane-qarel://h?cl-only=1&name&name=a=b\":\n"
          "  \"h\": sets address = \"h\"\n"
          "  \"cl-only=1\": refused, URI_opt:'cl-only': a key a launch URI may not set\n"
          "  \"name\": refused, URI_opt:'name': a launch-URI key with no value\n"
          "  \"name=a=b\": sets name (-n) = \"a=b\"; a reserved character or blank in "
          "the value makes the launch URI malformed\n"
          "\"quorvane-qarel://:900\":\n"
          "  \":900\": sets address = \"\"; sets port = \"900\"; an empty host makes the "
          "launch URI malformed\n"
          "\"quorvane-qarel://h?%&\":\n"
          "  \"h\": sets address = \"h\"\n"
          "  \"%\": refused, URI_opt:'%': malformed key; this makes the launch URI "
          "malformed\n…", ""},
      // The token after a masked key that waits is meant for it, whatever
      // it does; a refused argument is one refusal, whatever its text.
      {Explain({"--ticket", "l5", "-f=a' CL_param:'zz=b\""}), 1,
          "\"--ticket\": …\n\"********\": sets log-level (-l) = ********; ticket (-t) no "
          "longer waits\n\"-f=a\\x27 CL_param:\\x27zz=b\\x22\": refused, CL_param:'f=a\\x27 "
          "CL_param:\\x27zz=b\\x22': a switch given a value\n…\nRejected: "
          "CL_param:'f=a\\x27 CL_param:\\x27zz=b\\x22' \n", ""},
      {{"parse", "--Explain", "--table=x"}, 1, "…\nRejected: CL_param:'Explain' "
          "CL_param:'table' \n",
          "qarel-launch: note: \"--Explain\" is read as a launch argument; the option of "
          "parse is --explain\nqarel-launch: note: \"--table=x\" is read as a launch "
          "argument; the options of parse come before the first one\n"},
      {{"options", "--table", "masked"}, 0, "…", "", {"hush-d1"}},
      // A note shows an argument as --explain does, masked.
      {{"parse", "--table", "masked", "--TABLE=hush-e1", "--secret", "--explain=hush-e2"}, 1,
          "…", "qarel-launch: note: \"--TABLE=********\" is read as a launch argument; the "
          "option of parse is --table\nqarel-launch: note: \"********\" is read as a launch "
          "argument; the options of parse come before the first one\n", {"hush-e1", "hush-e2"}},
      {{"options", "--table=masked", "--as-table"}, 0,
          "# short|long|kind|default|flags|description\n|secret|valued|********|masked|Secret\n"
          "|table|valued||masked|T\n",
          ""},
      {Explain({"quorvane-qarel:h"}), 0,
          "\"quorvane-qarel:h\":\n  ignored: no \"//\" after the scheme\n…",
          "qarel-launch: note: \"quorvane-qarel:h\" is ignored: no \"//\" after the "
          "scheme\n"},
      {Explain({"-o", "2"}), 0, "\"-o\": …\nDeprecated Parameter 'old' (o) used.\n"
          "\"2\": fills old (-o), which was waiting, = \"2\"\n…",
          "…[critical] 110 -501 #1: Deprecated Parameter 'old' (o) used\n"},
      {Explain({"logfile=" + elsewhere + "/z.log"}), 0, "\"logfile=" + elsewhere +
          "/z.log\": sets logfile = \"" + elsewhere + "/z.log\", where the client writes "
          "its event log\n…", ""},
      {Explain({"--pin=hush-p1", "--ticket", "-hush-x2", "-t", "hush-t3", "-t4",
                kUri + "h?pin=hush-p5&ticket=hush-t6&connect-tag=hush-c7",
                "connect-tag=hush-c8"}), 2,
          "\"--pin=********\": refused, CL_param:'pin=********': a switch given a value\n"
          "\"--ticket\": waits for the value of ticket (-t) in the next argument\n"
          "\"********\": refused, CL_param:'********': unknown key; ticket (-t) no longer "
          "waits\n"
          "\"-t\": waits for the value of ticket (-t) in the next argument\n"
          "\"********\": fills ticket (-t), which was waiting, = ********\n"
          "\"********\": sets ticket (-t) = ********\n"
          "\"quorvane-qarel://h?pin=********&ticket=********&connect-tag=********\":\n"
          "  \"h\": sets address = \"h\"\n"
          "  \"pin=********\": refused, URI_opt:'pin=********': a switch given a value; "
          "this makes the launch URI malformed\n"
          "  \"ticket=********\": sets ticket (-t) = ********\n"
          "  \"connect-tag=********\": refused, URI_opt:'connect-tag': a key a launch URI "
          "may not set\n"
          "\"connect-tag=********\": sets connect-tag = ********\n…"
          "\nRejected: CL_param:'pin=********' CL_param:'********' URI_opt:'pin=********' "
          "URI_opt:'connect-tag' \n\nA launch URI is malformed.\n", "",
          {"hush-p1", "hush-x2", "hush-t3", "hush-p5", "hush-t6", "hush-c7", "hush-c8"}},
      // A table file that breaks a rule stops the tool before anything is read.
      {{"parse", "--table", "faults", "x"}, 2, "",
          "qarel-launch: faults:3: expected 6 fields separated by \"|\" "
          "(short|long|kind|default|flags|description), found 3\n"
          "qarel-launch: faults:4: the kind is \"flag\", not \"switch\" or \"valued\"\n"
          "qarel-launch: faults:5: unknown flag \"bold\" (flags are \"-\" or a list of uri, "
          "masked, deprecated)\n"
          "qarel-launch: faults:6: the long key \"9x\" is malformed: a letter, then letters, "
          "digits, \"_\" or \"-\"\n"
          "qarel-launch: faults:7: the short key \"ab\" is longer than one letter; reports and "
          "-k3 use one\n"
          "qarel-launch: faults:9: the key \"name\" is a key of line 8 already\n"
          "qarel-launch: faults:10: the key \"N\" is a key of line 8 already\n"
          "qarel-launch: faults:11: a switch's default is empty, True or False\n"},
      {{"parse", "--table", "empty", "x"}, 2, "", "qarel-launch: empty: holds no options\n"},
      {{"parse", "--table", "logs", "x"}, 2, "",
          "qarel-launch: logs: a folder, not a table file\n"},
      // A FIFO with no writer is refused, not waited on.
      {{"options", "--table", "fifo"}, 2, "", "qarel-launch: fifo: not a regular file\n"},
      {{"parse", "--table", "none", "x"}, 2, "",
          "qarel-launch: none: No such file or directory\n"},
      // compose writes only what reads back as given.
      {{"compose", "host=h", "port=900", "sni=desk pool", "connect-tag=t/1", "use-smartcard",
          "log-level=DEBUG"}, 0, "\"quorvane-qarel://h:900?full-screen&sni=desk%20pool&"
          "use-smartcard&log-level=DEBUG\" \"connect-tag=t%2f1\"\n", ""},
      {{"compose", "host=xn--bcher-kva.example.", "windowed", "sni=a%20b"}, 0,
          "\"quorvane-qarel://xn--bcher-kva.example.?sni=a%2520b\"\n", ""},
      {{"compose", "host=h", "port=9?logfile=/srv/inj"}, 2, "",
          "qarel-launch: compose: port: \"9?logfile=/srv/inj\" is not a port: 1 to 65535\n"},
      {{"compose", "port=0", "log-level=4294967299", "sni", "locale=", "--host=h"}, 2, "",
          "qarel-launch: compose: port: \"0\" is not a port: 1 to 65535\n"
          "qarel-launch: compose: log-level: \"4294967299\" is not a log level: critical, error, "
          "info, debug, or 0 to 5\n"
          "qarel-launch: compose: sni: needs a value: sni=VALUE\n"
          "qarel-launch: compose: locale: an empty value writes nothing; leave it out\n"
          "qarel-launch: compose: --host: not a key of compose: keys take no dashes\n"
          "qarel-launch: compose: host: required: host=NAME, a DNS name or IPv4 address\n"},
      {{"compose", "host=::1", "windowed=1", "windowed", "hostname=x"}, 2, "",
          "qarel-launch: compose: host: an IPv6 address cannot be carried by a launch URI, "
          "whose reader ends the host at its first \":\"; give a DNS name or an IPv4 address\n"
          "qarel-launch: compose: windowed: a switch takes no value\n"
          "qarel-launch: compose: windowed: given twice\n"
          "qarel-launch: compose: hostname: not a key of compose; 'qarel-launch compose "
          "--help' lists them\n"},
      {{"compose", "host=a b"}, 2, "", "qarel-launch: compose: host: \"a b\" holds a blank\n"},
      {{"compose", "host=h:900"}, 2, "", "qarel-launch: compose: host: \"h:900\" holds "
          "\":\", which ends the host; give port=PORT\n"},
      {{"compose", "host=a/b"}, 2, "", "qarel-launch: compose: host: \"a/b\" holds '/', "
          "which no DNS name or IPv4 address holds\n"},
      {{"compose", "host=10.0.0.256"}, 2, "", "qarel-launch: compose: host: \"10.0.0.256\" is "
          "not an IPv4 address: four numbers from 0 to 255, without leading zeros\n"},
      {{"compose", "host=a..b"}, 2, "", "qarel-launch: compose: host: \"a..b\" is not a DNS "
          "name: labels of 1 to 63 letters, digits and \"-\", not starting or ending with "
          "\"-\", joined by dots\n"},
      // The other commands.
      {{"resolve", "localhost"}, 0, "IPv4 127.0.0.1\nIPv6 …\n", ""},
      {{"resolve", ""}, 2, "", "qarel-launch: resolve: HOST is empty\n"},
      {{"version", "x"}, 2, "", "qarel-launch: version: takes no arguments\n"},
      {{"version"}, 0, "product name           Quorvane Qarel Desktop Client\n…", ""},
      {{"--version"}, 0, "qarel-launch 2.…\n", ""},
      {{"frobnicate"}, 2, "",
          "qarel-launch: unknown command 'frobnicate'; 'qarel-launch --help' lists them\n"},
      {{"--help"}, 0, "Usage: qarel-launch [COMMAND [ARG...]]\n…\nExit status:\n  0  success\n…",
          ""},
      {{"help", "compose"}, 0, "Usage: qarel-launch compose host=HOST [KEY=VALUE...] "
          "[SWITCH...]\n…", ""},
      {{"options"}, 0, "\nProgram options are:\n…"
          "   -m                       multimon                 DEPRECATED\n", ""},
      {{"options", "--table", kTable, "--as-table"}, 0, ReadFile(kTable), ""},
      {{"options", "--as-table"}, 0, "# short|long|kind|default|flags|description\n"
          "a|address|valued||uri|Host to connect to\n…"
          "|connect-tag|valued||masked|Connection tag from the broker\n…"
          "m|multimon|switch||deprecated|Span all monitors (use full-screen)\n", ""},
      {{}, 0, "Composed launch arguments:\n  \"quorvane-qarel://192.0.2.10:900?full-screen&"
          "…\" \"connect-tag=********\"\n…\nRejected: none\nMalformed: no\n", "",
          {"tag/1", "tag%2f1"}},
      // clang-format on
  };
  std::set<std::string> all_secrets;
  for (const auto& c : cases) {
    const Outcome run = Launch(c.args, dir);
    const std::string name = c.args.empty() ? "(none)" : c.args.back();
    EXPECT_EQ(run.status, c.status) << name << "\n" << run.out << run.err;
    EXPECT_TRUE(Matches(run.out, c.out)) << name << ", stdout:\n" << run.out;
    EXPECT_TRUE(Matches(run.err, c.err)) << name << ", stderr:\n" << run.err;
    for (const std::string& secret : c.secrets) {
      EXPECT_EQ(run.out.find(secret), std::string::npos) << secret;
      EXPECT_EQ(run.err.find(secret), std::string::npos) << secret;
      all_secrets.insert(secret);
    }
  }

  // No run wrote outside the folder --open-log named, nor over what was
  // there; what it wrote there is the client's event log, without a masked
  // value.
  EXPECT_TRUE(std::filesystem::is_empty(elsewhere));
  EXPECT_TRUE(std::filesystem::is_symlink(logs + "/link"));
  std::set<std::string> in_logs;
  for (const auto& file : std::filesystem::directory_iterator(logs))
    in_logs.insert(file.path().filename());
  EXPECT_EQ(in_logs,
            (std::set<std::string>{"y.log", "qarel-launch.log", "link"}));
  for (const std::string name : {"y.log", "qarel-launch.log"}) {
    const std::string log = ReadFile(logs + "/" + name);
    EXPECT_TRUE(std::regex_search(
        log, std::regex(" is starting up\n[^]* address +h [^]*"
                        "qarel-launch: Resource cleanup complete\\.\n")))
        << log;
    for (const std::string& secret : all_secrets)
      EXPECT_EQ(log.find(secret), std::string::npos) << secret;
  }
  std::set<std::string> files;
  for (const auto& file : std::filesystem::directory_iterator(dir.path))
    files.insert(file.path().filename());
  std::set<std::string> expected = {"out", "err", "logs", "elsewhere", "fifo"};
  for (const auto& [name, text] : tables) expected.insert(name);
  EXPECT_EQ(files, expected);
}

// Every byte but NUL, raw and percent-encoded (NUL too), and code points
// of more than one byte that act or hide: controls (U+0085, U+061C,
// U+202E, U+2066), separators (U+2028, U+2029), format characters (U+00AD,
// U+200B, U+FEFF, U+E0001, U+E007F) and Hangul fillers (U+115F, U+3164,
// U+FFA0), in a value, a key, a host, an ignored URI, a table file, a file
// of links, and every command's arguments: nothing reaches either stream
// unescaped, and no line is forged.
TEST(QarelLaunch, NoHostileByteReachesEitherStream) {
  TempDir dir;
  std::string raw, encoded;
  for (int byte = 1; byte < 256; ++byte) raw += static_cast<char>(byte);
  const std::string actors[] = {
      "\xc2\x85",     "\xd8\x9c",         "\xe2\x80\xae",     "\xe2\x81\xa6",
      "\xe2\x80\xa8", "\xe2\x80\xa9",     "\xc2\xad",         "\xe2\x80\x8b",
      "\xef\xbb\xbf", "\xf3\xa0\x80\x81", "\xf3\xa0\x81\xbf", "\xe1\x85\x9f",
      "\xe3\x85\xa4", "\xef\xbe\xa0"};
  for (const std::string& actor : actors) raw += actor;
  for (const unsigned char byte : "\x00" + raw) {
    static const char kHex[] = "0123456789abcdef";
    encoded += {'%', kHex[byte >> 4], kHex[byte & 15]};
  }
  const std::string forged =
      "\nRejected: forged\nqarel-launch: compose: all good\n";
  std::string line = raw;  // a table file's line holds no line break
  line.erase(std::remove(line.begin(), line.end(), '\n'), line.end());
  std::ofstream(dir.file("hostile"))
      << "|address|valued||uri|Host\n"
      << "|hostile|valued|" << line << "|uri|" << line << "\n";
  std::ofstream(dir.file("faulty"))
      << line << "\n|x" << std::string(1, '\0') << "|\n";
  const Args launch = {"sni=" + raw + forged,
                       "sni=" + encoded,
                       "--" + raw + "=v",
                       "-l",
                       raw,
                       kUri + raw,
                       kUri + "h?" + encoded,
                       "quorvane-qarel:" + raw};
  std::ofstream(dir.file("links"))
      << raw << "\n"
      << kUri << "h?" << encoded << "\nsni=" << raw << forged;
  auto with = [&](Args head) {
    head.insert(head.end(), launch.begin(), launch.end());
    return head;
  };
  const Args runs[] = {
      with({"parse", "--explain"}),
      with({"parse"}),
      with({"parse", "--table", "hostile", "--explain", "hostile=" + raw}),
      {"parse", "--table", "faulty", "x"},
      {"options", "--table", "hostile"},
      {"options", "--table", "hostile", "--as-table"},
      {"compose", "host=" + raw, "sni=" + raw, raw + "=1", "port=" + raw,
       "log-level=" + raw, "port=1\nqarel-launch: compose: all good"},
      {"help", raw},
      {raw},
      {"version", raw},
      {"resolve", raw},
      {"options", raw},
      {"--help", raw},
      {"parse", "--open-log", raw, "x"},
      {"parse", "--table", raw, "x"},
      {"check", "--table", "hostile", "links"},
      {"check", "--json", "links"},
      {"check", raw},
      {"check", "--table", raw, "links"},
  };
  for (const Args& args : runs) {
    const Outcome run = Launch(args, dir);
    EXPECT_LT(run.status, 3) << args.front() << "\n" << run.err;
    for (const std::string* stream : {&run.out, &run.err}) {
      // Nothing in it the escape would change (text_escape_test pins the
      // escape itself).
      EXPECT_EQ(escaped(*stream, Source::kOwnLines), *stream)
          << args.front() << ":\n"
          << *stream;
      for (const std::string& actor : actors)  // whatever the escape says
        EXPECT_EQ(stream->find(actor), std::string::npos) << args.front();
      EXPECT_EQ(stream->find("\nRejected: forged"), std::string::npos)
          << args.front();
      EXPECT_EQ(stream->find("\nqarel-launch: compose: all good"),
                std::string::npos);
    }
  }
}

// An event log cut short (here by a file size limit, as by a full disk) is
// said, with no "wrote", and leaves nothing behind.
TEST(QarelLaunch, AnEventLogCutShortLeavesNothing) {
  TempDir dir;
  std::filesystem::create_directory(dir.file("logs"));
  const Outcome run = Launch({"parse", "--open-log", "logs", "address=h"}, dir,
                             ">out 2>err", "trap '' XFSZ; ulimit -f 1; ");
  EXPECT_EQ(run.status, 2);
  // Its first line: a coverage build's own files, written at exit, meet
  // the same limit and add lines of their own.
  EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1),
            "qarel-launch: parse: --open-log logs: qarel-launch.log: the event "
            "log is incomplete (a line or its close failed); nothing is left "
            "behind\n");
  EXPECT_TRUE(Matches(run.out, "…; qarel-launch could not write it.\n"));
  EXPECT_TRUE(std::filesystem::is_empty(dir.file("logs")));
}

// A write to standard output that fails, or a standard stream closed from
// the start, gives status 4 for every command, with one line on standard
// error while it works; standard output is written in full all the same.
TEST(QarelLaunch, AFailedOrClosedStandardStreamGivesStatusFour) {
  TempDir dir;
  const Args commands[] = {{"parse", "address=h"},    {"compose", "host=h"},
                           {"options", "--as-table"}, {"version"},
                           {"help", "parse"},         {}};
  const struct {
    const char* streams;
    std::string err;  // the file holds it; standard output goes elsewhere
  } broken[] = {{">/dev/full 2>err", "No space left on device\n"},
                {"2>err >&-", "it is closed\n"},
                {">out 2>&-", ""}};  // standard output as usual
  for (const Args& command : commands) {
    const std::string name = command.empty() ? "(none)" : command.front();
    const Outcome plain = Launch(command, dir);
    EXPECT_EQ(plain.status, 0) << name;
    for (const auto& b : broken) {
      const Outcome run = Launch(command, dir, b.streams);
      EXPECT_EQ(run.status, 4) << name << " " << b.streams;
      EXPECT_EQ(run.err,
                b.err.empty()
                    ? ""
                    : "qarel-launch: cannot write standard output: " + b.err);
      EXPECT_EQ(run.out, b.err.empty() ? plain.out : "") << name;
    }
  }
}
