// Internal: the event category and core levels this library writes with.
#ifndef LOGGING_EVENT_CATEGORY_H_
#define LOGGING_EVENT_CATEGORY_H_

namespace client_common::internal {

constexpr int kEventCategory = 110;  // every line of this library
constexpr int kCoreCritical = 0;
constexpr int kCoreInfo = 2;  // also the level where none is given

}  // namespace client_common::internal

#endif  // LOGGING_EVENT_CATEGORY_H_
