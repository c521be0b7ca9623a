// sntp.dll as the tray program uses it: loaded from the build tree and asked,
// query-only, about a time server on 127.0.0.1 that answers as each case
// needs. No test here sets the clock.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/fixtures/SntpServer.h"
#include "tests/support/GuiTest.h"

namespace vantora::test {
namespace {

typedef int(WINAPI* CheckTimeFn)(const char*, int, char*);

constexpr int kQueryOnly = 0;

class CheckTimeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        module_ = LoadLibraryA(BuildPath("bin/sntp.dll").c_str());
        if (module_)
            checkTime_ = reinterpret_cast<CheckTimeFn>(
                reinterpret_cast<void*>(GetProcAddress(module_, "CheckTime")));
    }
    static void TearDownTestSuite()
    {
        if (module_)
            FreeLibrary(module_);
    }

    void SetUp() override
    {
        ASSERT_NE(checkTime_, nullptr) << "sntp.dll or its CheckTime export is missing";
        ASSERT_TRUE(server_.Start());
    }

    std::string Here() const { return "127.0.0.1:" + std::to_string(server_.Port()); }

    // Calls CheckTime with a 256-byte buffer that is guarded on both sides;
    // answers the text it left.
    std::string Ask(const char* server, int* result, DWORD* elapsedMs = nullptr)
    {
        constexpr size_t kGuard = 16;
        char memory[kGuard + 256 + kGuard];
        std::memset(memory, 0x5A, sizeof memory);
        char* buffer = memory + kGuard;
        std::strcpy(buffer, "error!");
        DWORD start = GetTickCount();
        *result = checkTime_(server, kQueryOnly, buffer);
        if (elapsedMs)
            *elapsedMs = GetTickCount() - start;
        for (size_t i = 0; i < kGuard; ++i) {
            EXPECT_EQ(memory[i], 0x5A);
            EXPECT_EQ(memory[kGuard + 256 + i], 0x5A);
        }
        EXPECT_LT(strnlen(buffer, 256), 256u) << "text not terminated inside the buffer";
        return std::string(buffer, strnlen(buffer, 256));
    }

    // The offset in seconds from "<server>: offset +1.234 s, ...".
    static double OffsetIn(const std::string& text)
    {
        size_t at = text.find(": offset ");
        return at == std::string::npos ? 1e9 : std::atof(text.c_str() + at + 9);
    }

    static HMODULE module_;
    static CheckTimeFn checkTime_;
    SntpServer server_;
};

HMODULE CheckTimeTest::module_ = nullptr;
CheckTimeFn CheckTimeTest::checkTime_ = nullptr;

TEST_F(CheckTimeTest, SoundRepliesReportTheOffsetAndLeaveTheClock)
{
    struct Case { const char* what; SntpAnswer answer; int64_t offsetMillis; };
    const Case cases[] = {
        {"server ahead", SntpAnswer::Good, 2500},
        {"server an hour behind", SntpAnswer::Good, -3600000},
        {"version 3 server", SntpAnswer::Version3, 0},
        {"broadcast mode", SntpAnswer::Broadcast, 1000},
        {"stray reply from another port", SntpAnswer::OtherPortFirst, 500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server_.SetAnswer(c.answer, c.offsetMillis);
        int result = 0;
        std::string text = Ask(Here().c_str(), &result);
        EXPECT_EQ(result, 1) << text;
        EXPECT_EQ(text.rfind(Here() + ": offset ", 0), 0u) << text;
        EXPECT_NEAR(OffsetIn(text), c.offsetMillis / 1000.0, 0.1) << text;
        EXPECT_NE(text.find("clock not set (query only)"), std::string::npos) << text;
        EXPECT_EQ(server_.LastRequestFirstByte(), 0x23) << "not a version 4 client request";
    }
}

TEST_F(CheckTimeTest, EachBadReplyIsRejectedWithItsOwnText)
{
    struct Case { SntpAnswer answer; const char* says; };
    const Case cases[] = {
        {SntpAnswer::WrongMode, "reply has wrong mode 3"},
        {SntpAnswer::WrongVersion, "reply has unsupported version 2"},
        {SntpAnswer::KissRate, "server refused (kiss-of-death \"RATE\")"},
        {SntpAnswer::KissDeny, "server refused (kiss-of-death \"DENY\")"},
        {SntpAnswer::Stratum16, "reply has invalid stratum 16"},
        {SntpAnswer::Leap3, "server clock not synchronized"},
        {SntpAnswer::OriginateMismatch, "reply does not answer our request"},
        {SntpAnswer::ZeroReceive, "reply carries no receive time"},
        {SntpAnswer::ZeroTransmit, "reply carries no transmit time"},
        {SntpAnswer::Short, "reply too short (40 bytes)"},
    };
    for (const Case& c : cases) {
        server_.SetAnswer(c.answer);
        int result = 1;
        DWORD elapsed = 0;
        std::string text = Ask(Here().c_str(), &result, &elapsed);
        EXPECT_EQ(result, 0) << text;
        EXPECT_EQ(text, Here() + ": " + c.says);
        EXPECT_LT(elapsed, 2000u) << "a bad reply must not wait for the time-out: " << text;
    }
}

TEST_F(CheckTimeTest, SilenceEndsAfterAboutThreeSeconds)
{
    server_.SetAnswer(SntpAnswer::Silence);
    int result = 1;
    DWORD elapsed = 0;
    std::string text = Ask(Here().c_str(), &result, &elapsed);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(text, Here() + ": no answer within 3 s");
    EXPECT_GE(elapsed, 2900u);
    EXPECT_LT(elapsed, 4000u);
    EXPECT_EQ(server_.Requests(), 1);
}

TEST_F(CheckTimeTest, ServersThatCannotBeAskedSaySo)
{
    std::string longName = std::string(300, 'a') + ".invalid";
    struct Case { std::string server; std::string text; };
    const Case cases[] = {
        {"no-such-host.invalid", "no-such-host.invalid: host not found"},
        {"no-such-host.invalid:" + std::to_string(server_.Port()),
         "no-such-host.invalid:" + std::to_string(server_.Port()) + ": host not found"},
        {longName, std::string(80, 'a') + "...: host not found"},
        {"127.0.0.1:0", "127.0.0.1:0: bad port number"},
        {"127.0.0.1:70000", "127.0.0.1:70000: bad port number"},
        {"", "No time server given"},
    };
    for (const Case& c : cases) {
        int result = 1;
        DWORD elapsed = 0;
        std::string text = Ask(c.server.c_str(), &result, &elapsed);
        EXPECT_EQ(result, 0) << text;
        EXPECT_EQ(text, c.text);
        EXPECT_LT(elapsed, 3000u) << c.text;
    }
    EXPECT_EQ(server_.Requests(), 0);
}

TEST_F(CheckTimeTest, NullArgumentsFailWithoutHarm)
{
    int result = 1;
    EXPECT_EQ(Ask(nullptr, &result), "No time server given");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(checkTime_(Here().c_str(), kQueryOnly, nullptr), 0);
    EXPECT_EQ(checkTime_(nullptr, kQueryOnly, nullptr), 0);
}

TEST_F(CheckTimeTest, ExportAndVersionResource)
{
    EXPECT_EQ(GetProcAddress(module_, "_CheckTime@12"), nullptr) << "export name is decorated";

    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(module_, path, MAX_PATH), 0u);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_GT(size, 0u);
    std::string info(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, info.data()));
    struct Case { const char* key; const char* value; };
    for (Case c : {Case {"ProductName", "Vantora"}, Case {"ProductVersion", "2.0"},
                   Case {"OriginalFilename", "sntp.dll"}}) {
        char* value = nullptr;
        UINT length = 0;
        std::string key = std::string("\\StringFileInfo\\040904b0\\") + c.key;
        ASSERT_TRUE(VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)) << c.key;
        EXPECT_STREQ(value, c.value);
    }
}

} // namespace
} // namespace vantora::test
