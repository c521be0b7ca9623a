// sntp.dll's export: asks one time server and, when bit 0 of the flag says
// so, sets the system clock from its answer; leaves a one-line text for the
// user in the caller's 256-byte buffer.
#include <windows.h>

#include <cstring>
#include <new>
#include <string>

#include "sntp/ServerAddress.h"
#include "sntp/SntpExchange.h"
#include "sntp/SntpResultText.h"
#include "sntp/SystemClock.h"

namespace vantora::sntp {
namespace {

constexpr int kFlagSetClock = 1;

int Run(const char* server, int flag, std::string* text)
{
    ServerAddress address;
    switch (ParseServer(server, &address)) {
    case ServerParse::Ok:
        break;
    case ServerParse::Empty:
        *text = FailureText(server, Failure::NoServer);
        return 0;
    case ServerParse::BadPort:
        *text = FailureText(server, Failure::BadPort);
        return 0;
    }

    Exchange exchange = QueryServer(address, kAnswerTimeoutMs);
    if (exchange.failed) {
        *text = FailureText(server, exchange.failure, exchange.detail);
        return 0;
    }
    if (exchange.reply.check != ReplyCheck::Ok) {
        *text = RejectedReplyText(server, exchange.reply);
        return 0;
    }
    if (!(flag & kFlagSetClock)) {
        *text = OffsetText(server, exchange.measurement, ClockResult::QueryOnly);
        return 1;
    }
    unsigned long error = 0;
    ClockResult clock = MoveSystemClock(exchange.measurement.offsetMicros, &error);
    *text = OffsetText(server, exchange.measurement, clock, error);
    return clock == ClockResult::Set ? 1 : 0;
}

} // namespace
} // namespace vantora::sntp

extern "C" int WINAPI CheckTime(const char* server, int flag, char* buffer)
{
    if (!buffer)
        return 0;
    try {
        std::string text;
        int result = vantora::sntp::Run(server, flag, &text);
        vantora::sntp::CopyResult(text, buffer);
        return result;
    } catch (const std::bad_alloc&) {
        // Nothing may escape into a caller that knows no C++ exceptions.
        std::strcpy(buffer, "sntp: out of memory");
        return 0;
    }
}
