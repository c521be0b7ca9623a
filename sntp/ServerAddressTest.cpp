#include "sntp/ServerAddress.h"

#include <gtest/gtest.h>

namespace vantora::sntp {
namespace {

TEST(ServerAddress, HostAndOptionalPort)
{
    struct Case { const char* text; ServerParse result; const char* host; uint16_t port; };
    const Case cases[] = {
        {"time.example.org", ServerParse::Ok, "time.example.org", 123},
        {"127.0.0.1:40123", ServerParse::Ok, "127.0.0.1", 40123},
        {"host:65535", ServerParse::Ok, "host", 65535},
        {"host:1", ServerParse::Ok, "host", 1},
        {nullptr, ServerParse::Empty, "", 0},
        {"", ServerParse::Empty, "", 0},
        {":123", ServerParse::Empty, "", 0},
        {"host:", ServerParse::BadPort, "", 0},
        {"host:0", ServerParse::BadPort, "", 0},
        {"host:65536", ServerParse::BadPort, "", 0},
        {"host:99999999999999999999", ServerParse::BadPort, "", 0},
        {"host:12a", ServerParse::BadPort, "", 0},
        {"host:-1", ServerParse::BadPort, "", 0},
    };
    for (const Case& c : cases) {
        ServerAddress address;
        ASSERT_EQ(ParseServer(c.text, &address), c.result) << (c.text ? c.text : "(null)");
        if (c.result == ServerParse::Ok) {
            EXPECT_EQ(address.host, c.host);
            EXPECT_EQ(address.port, c.port);
        }
    }
}

} // namespace
} // namespace vantora::sntp
