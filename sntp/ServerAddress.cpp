#include "sntp/ServerAddress.h"

#include <cstring>

namespace vantora::sntp {

ServerParse ParseServer(const char* text, ServerAddress* out)
{
    if (!text || !*text)
        return ServerParse::Empty;
    const char* colon = std::strrchr(text, ':');
    std::string host = colon ? std::string(text, colon) : std::string(text);
    if (host.empty())
        return ServerParse::Empty;
    uint16_t port = kNtpPort;
    if (colon) {
        const char* digits = colon + 1;
        if (!*digits)
            return ServerParse::BadPort;
        unsigned long value = 0;
        for (const char* p = digits; *p; ++p) {
            if (*p < '0' || *p > '9')
                return ServerParse::BadPort;
            value = value * 10 + unsigned(*p - '0');
            if (value > 65535)
                return ServerParse::BadPort;
        }
        if (value == 0)
            return ServerParse::BadPort;
        port = uint16_t(value);
    }
    out->host = std::move(host);
    out->port = port;
    return ServerParse::Ok;
}

} // namespace vantora::sntp
