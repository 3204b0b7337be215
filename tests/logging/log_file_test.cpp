#include <gtest/gtest.h>

#include "logging/logging.h"
#include "tests/support/core_recorder.h"

using LogFile = CoreRecorder;

TEST_F(LogFile, SplitsThePathAtTheLastSeparatorIntoTheRecord) {
  core_log().result = 17;  // handed back unchanged
  for (const char* path :
       {"/var/log/b.txt", "C:\\logs\\c.txt", "a/b\\c.txt", "c.txt", "logs/"})
    EXPECT_EQ(open_logfile(path, "second", "third"), 17);
  EXPECT_EQ(core_log().calls,
            (Calls{"cfg third|/var/log/|second|b.txt 257 10 1",
                   "cfg third|C:\\logs\\|second|c.txt 257 10 1",
                   "cfg third|a/|second|b\\c.txt 257 10 1",  // "/" first
                   "cfg third||second|c.txt 257 10 1",
                   "cfg third|logs/|second| 257 10 1"}));
}

TEST_F(LogFile, PathInAFolderOnlyForAPlainFileName) {
  const struct {
    const char* folder;
    std::string name, path;
  } cases[] = {
      {"/var/log/c", "client.log", "/var/log/c/client.log"},
      {"/var/log/c/", "caf\xc3\xa9.log", "/var/log/c/caf\xc3\xa9.log"},
      {".", ".hidden", "./.hidden"},
      {"", "client.log", ""},             // no folder to stay in
      {"logs", "", ""},                   // no file
      {"logs", "..", ""},                 // its parent
      {"logs", "/home/u/.zshrc", ""},     // a path of its own
      {"logs", "a\\b.log", ""},           // a separator elsewhere
      {"logs", "x\n.log", ""},            // a control byte
      {"logs", "x\xe2\x80\xae.log", ""},  // right-to-left override
  };
  for (const auto& c : cases)
    EXPECT_EQ(log_path_in(c.folder, c.name), c.path) << c.name;
}
