#include "platform/core/Event.h"

#include <atomic>

namespace detail {

uint64_t NextHandlerSerial()
{
    static std::atomic<uint64_t> serial{1};
    return serial++;
}

} // namespace detail
