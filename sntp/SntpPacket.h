// The 48-byte NTP header as SNTP version 4 uses it: the client request and
// the checks a server's reply must pass before its time is believed.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "sntp/SntpTime.h"

namespace vantora::sntp {

constexpr size_t kPacketSize = 48;
using Packet = std::array<uint8_t, kPacketSize>;

constexpr int kModeClient = 3;
constexpr int kModeServer = 4;
constexpr int kModeBroadcast = 5;
constexpr int kLeapUnsynchronised = 3;

struct Header {
    int leap = 0;
    int version = 4;
    int mode = kModeClient;
    int stratum = 0;
    int poll = 0;
    int precision = 0;
    uint32_t rootDelay = 0;
    uint32_t rootDispersion = 0;
    std::array<uint8_t, 4> referenceId {};
    NtpTimestamp reference;
    NtpTimestamp originate;
    NtpTimestamp receive;
    NtpTimestamp transmit;
};

Packet Encode(const Header& header);
Header Decode(const uint8_t* data); // reads kPacketSize bytes

// A version 4 client request that carries only our transmit timestamp.
Packet BuildRequest(NtpTimestamp transmit);

enum class ReplyCheck {
    Ok,
    TooShort,
    WrongMode,
    WrongVersion,
    OriginateMismatch,
    KissOfDeath,
    Unsynchronised, // leap indicator 3
    BadStratum,     // 16 and above
    ZeroReceive,
    ZeroTransmit,
};

struct Reply {
    ReplyCheck check = ReplyCheck::TooShort;
    size_t length = 0;
    Header header;            // valid unless TooShort
    std::string kissCode;     // printable code of a kiss-of-death, e.g. "RATE"
};

// Checks a datagram that came from the server we asked, in the order that
// keeps a forged or stale packet from being read as a kiss-of-death.
Reply CheckReply(const uint8_t* data, size_t length, NtpTimestamp ourTransmit);

} // namespace vantora::sntp
