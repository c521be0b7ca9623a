#include "sntp/SntpResultText.h"

#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace vantora::sntp {
namespace {

constexpr size_t kServerShown = 80;

// The server as the user gave it, short enough to leave room for the rest
// of the line and with control characters masked.
std::string ShownServer(const char* server)
{
    std::string shown;
    for (const char* p = server ? server : ""; *p; ++p) {
        if (shown.size() == kServerShown) {
            shown += "...";
            break;
        }
        unsigned char c = static_cast<unsigned char>(*p);
        shown += (c < 0x20 || c == 0x7F) ? '?' : char(c);
    }
    return shown;
}

__attribute__((format(printf, 1, 2))) std::string Format(const char* format, ...)
{
    char text[kResultBufferSize];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return n < 0 ? std::string() : std::string(text);
}

std::string Line(const char* server, const std::string& what)
{
    return Format("%s: %s", ShownServer(server).c_str(), what.c_str());
}

std::string ClockPhrase(ClockResult clock, unsigned long detail)
{
    switch (clock) {
    case ClockResult::Set:
        return "clock set";
    case ClockResult::QueryOnly:
        return "clock not set (query only)";
    case ClockResult::NoPrivilege:
        return "clock not set (no permission to change the time)";
    case ClockResult::OutOfRange:
        return "clock not set (time out of range)";
    case ClockResult::SetFailed:
        break;
    }
    return Format("clock not set (error %lu)", detail);
}

// Rounds to milliseconds, half away from zero.
uint64_t Millis(uint64_t micros) { return micros / 1000 + (micros % 1000 >= 500 ? 1 : 0); }

std::string Seconds(uint64_t millis)
{
    return Format("%" PRIu64 ".%03u", millis / 1000, unsigned(millis % 1000));
}

} // namespace

std::string SignedSeconds(int64_t micros)
{
    bool negative = micros < 0;
    uint64_t millis = Millis(negative ? uint64_t(0) - uint64_t(micros) : uint64_t(micros));
    return (negative && millis ? "-" : "+") + Seconds(millis);
}

std::string FailureText(const char* server, Failure failure, long detail)
{
    switch (failure) {
    case Failure::NoServer:
        return "No time server given";
    case Failure::BadPort:
        return Line(server, "bad port number");
    case Failure::HostNotFound:
        return Line(server, "host not found");
    case Failure::LookupFailed:
        return Line(server, Format("name lookup failed (error %ld)", detail));
    case Failure::NetworkUnavailable:
        return Line(server, Format("network unavailable (error %ld)", detail));
    case Failure::SendFailed:
        return Line(server, Format("cannot send the request (error %ld)", detail));
    case Failure::ReceiveFailed:
        return Line(server, Format("cannot receive the reply (error %ld)", detail));
    case Failure::PortUnreachable:
        return Line(server, "no time service there (port unreachable)");
    case Failure::NoAnswer:
        return Line(server, Format("no answer within %ld s", detail));
    }
    return Line(server, "failed");
}

std::string RejectedReplyText(const char* server, const Reply& reply)
{
    const Header& h = reply.header;
    switch (reply.check) {
    case ReplyCheck::Ok:
        break;
    case ReplyCheck::TooShort:
        return Line(server, Format("reply too short (%lu bytes)", static_cast<unsigned long>(reply.length)));
    case ReplyCheck::WrongMode:
        return Line(server, Format("reply has wrong mode %d", h.mode));
    case ReplyCheck::WrongVersion:
        return Line(server, Format("reply has unsupported version %d", h.version));
    case ReplyCheck::OriginateMismatch:
        return Line(server, "reply does not answer our request");
    case ReplyCheck::KissOfDeath:
        return Line(server, reply.kissCode.empty()
                                ? std::string("server refused (kiss-of-death)")
                                : Format("server refused (kiss-of-death \"%s\")", reply.kissCode.c_str()));
    case ReplyCheck::Unsynchronised:
        return Line(server, "server clock not synchronized");
    case ReplyCheck::BadStratum:
        return Line(server, Format("reply has invalid stratum %d", h.stratum));
    case ReplyCheck::ZeroReceive:
        return Line(server, "reply carries no receive time");
    case ReplyCheck::ZeroTransmit:
        return Line(server, "reply carries no transmit time");
    }
    return Line(server, "reply rejected");
}

std::string OffsetText(const char* server, const Measurement& m, ClockResult clock,
                       unsigned long detail)
{
    // Clock granularity can make a tiny round trip come out negative.
    uint64_t delay = m.delayMicros > 0 ? uint64_t(m.delayMicros) : 0;
    return Line(server, Format("offset %s s, delay %s s, %s", SignedSeconds(m.offsetMicros).c_str(),
                               Seconds(Millis(delay)).c_str(), ClockPhrase(clock, detail).c_str()));
}

void CopyResult(const std::string& text, char* buffer)
{
    size_t n = text.size() < kResultBufferSize ? text.size() : kResultBufferSize - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

} // namespace vantora::sntp
