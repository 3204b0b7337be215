// The composer's exact text; that the parser reads every composition back
// is the uri_composer fuzz target's property.
#include <gtest/gtest.h>

#include "client_common/client_common.h"

TEST(UriComposer, ParametersOnlyUnderTheirConditions) {
  EXPECT_EQ(cl_params_formatter("192.0.2.10", "900", "desk pool", "tag/1",
                                "s-42", false, true, false, true, "en_US",
                                "/tmp/client log.txt", "3"),
            "\"quorvane-qarel://192.0.2.10:900?full-screen&sni=desk%20pool&"
            "session-id=s-42&use-smartcard&usb-auto-forward&locale=en_US&"
            "logfile=%2ftmp%2fclient%20log.txt&log-level=3\" "
            "\"connect-tag=tag%2f1\"");
  EXPECT_EQ(cl_params_formatter("h", "", "", "", "", true, false, false, false,
                                "", "", ""),
            "\"quorvane-qarel://h\"");
  // The log level is written as given, "&" and all.
  EXPECT_EQ(cl_params_formatter("", "1", "\xE9", "", "", true, false, true,
                                false, "", "", "a&b"),
            "\"quorvane-qarel://:1?sni=%e9&disable-usb&log-level=a&b\"");
}
