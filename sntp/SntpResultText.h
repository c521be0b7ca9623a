// The one-line texts CheckTime leaves for the user: the server, the offset
// found and what became of the clock, or what went wrong. Every text fits
// the caller's 256-byte buffer with its NUL.
#pragma once
#include <cstddef>
#include <string>

#include "sntp/SntpPacket.h"
#include "sntp/SntpTime.h"

namespace vantora::sntp {

constexpr size_t kResultBufferSize = 256;

enum class Failure {
    NoServer,
    BadPort,
    HostNotFound,
    LookupFailed,       // detail: Winsock error
    NetworkUnavailable, // detail: Winsock error
    SendFailed,         // detail: Winsock error
    ReceiveFailed,      // detail: Winsock error
    PortUnreachable,
    NoAnswer,           // detail: seconds waited
};

enum class ClockResult { QueryOnly, Set, NoPrivilege, SetFailed, OutOfRange };

std::string FailureText(const char* server, Failure failure, long detail = 0);
std::string RejectedReplyText(const char* server, const Reply& reply);
// detail: the system's error code when the clock could not be set.
std::string OffsetText(const char* server, const Measurement& m, ClockResult clock,
                       unsigned long detail = 0);

// "+1.234": seconds with sign and milliseconds, rounded half away from zero.
std::string SignedSeconds(int64_t micros);

// Copies a text into the caller's buffer of kResultBufferSize bytes,
// cut at 255 bytes and always NUL-terminated.
void CopyResult(const std::string& text, char* buffer);

} // namespace vantora::sntp
