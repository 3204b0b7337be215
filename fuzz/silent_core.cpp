// The core event log's six functions, doing nothing but succeed: the fuzz
// targets link these in place of the stand-in, so that the lines an input
// makes the library log (deprecated options, discarded pairs) cost nothing.
#include "qarel_core/qarel_core.h"

extern "C" {
int mQUOR_EVENT_LOG_MESSAGE(int, int, int, const char*, ...) { return 0; }
int qarel_client_log_init(const char*, const char*, int) { return 0; }
int qarel_client_log_level_set(int) { return 0; }
int quor_event_init_ext_cfg(const quor_event_ext_cfg*) { return 0; }
int quor_event_reset_session_log_id(void) { return 0; }
int quor_event_close(void) { return 0; }
}
