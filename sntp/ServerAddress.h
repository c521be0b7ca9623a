// The server argument: a host name or IPv4 address, optionally followed by
// ":port" (123 when absent).
#pragma once
#include <cstdint>
#include <string>

namespace vantora::sntp {

constexpr uint16_t kNtpPort = 123;

struct ServerAddress {
    std::string host;
    uint16_t port = kNtpPort;
};

enum class ServerParse { Ok, Empty, BadPort };

ServerParse ParseServer(const char* text, ServerAddress* out);

} // namespace vantora::sntp
