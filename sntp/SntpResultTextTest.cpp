#include "sntp/SntpResultText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace vantora::sntp {
namespace {

TEST(SntpResultText, SecondsWithSignAndMilliseconds)
{
    struct Case { int64_t micros; const char* text; };
    const Case cases[] = {
        {0, "+0.000"},
        {1234567, "+1.235"},
        {-1234, "-0.001"},
        {-499, "+0.000"},
        {-500, "-0.001"},
        {999500, "+1.000"},
        {3600000000, "+3600.000"},
        {-86400123456, "-86400.123"},
        {INT64_MIN, "-9223372036854.776"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SignedSeconds(c.micros), c.text) << c.micros;
}

TEST(SntpResultText, OffsetLines)
{
    Measurement m {-57400, 12300};
    EXPECT_EQ(OffsetText("pool.example.org", m, ClockResult::Set),
              "pool.example.org: offset -0.057 s, delay 0.012 s, clock set");
    EXPECT_EQ(OffsetText("pool.example.org", m, ClockResult::QueryOnly),
              "pool.example.org: offset -0.057 s, delay 0.012 s, clock not set (query only)");
    EXPECT_EQ(OffsetText("h", {2000000, -300}, ClockResult::SetFailed, 87),
              "h: offset +2.000 s, delay 0.000 s, clock not set (error 87)");
    EXPECT_NE(OffsetText("h", m, ClockResult::NoPrivilege).find("permission"), std::string::npos);
}

// Every way of failing, for the checks that span them all.
std::vector<std::string> AllFailureTexts(const char* server)
{
    std::vector<std::string> texts;
    for (Failure f : {Failure::BadPort, Failure::HostNotFound, Failure::LookupFailed,
                      Failure::NetworkUnavailable, Failure::SendFailed, Failure::ReceiveFailed,
                      Failure::PortUnreachable, Failure::NoAnswer})
        texts.push_back(FailureText(server, f, 10035));
    for (ReplyCheck check : {ReplyCheck::TooShort, ReplyCheck::WrongMode, ReplyCheck::WrongVersion,
                             ReplyCheck::OriginateMismatch, ReplyCheck::KissOfDeath,
                             ReplyCheck::Unsynchronised, ReplyCheck::BadStratum,
                             ReplyCheck::ZeroReceive, ReplyCheck::ZeroTransmit}) {
        Reply r;
        r.check = check;
        r.length = 20;
        r.kissCode = "RATE";
        texts.push_back(RejectedReplyText(server, r));
    }
    return texts;
}

TEST(SntpResultText, EachFailureHasItsOwnTextNamingTheServer)
{
    std::vector<std::string> texts = AllFailureTexts("time.example.org:1234");
    std::set<std::string> distinct(texts.begin(), texts.end());
    EXPECT_EQ(distinct.size(), texts.size());
    for (const std::string& text : texts)
        EXPECT_EQ(text.rfind("time.example.org:1234: ", 0), 0u) << text;
    EXPECT_EQ(FailureText(nullptr, Failure::NoServer), "No time server given");
}

TEST(SntpResultText, KissOfDeathShowsItsCode)
{
    Reply r;
    r.check = ReplyCheck::KissOfDeath;
    r.kissCode = "DENY";
    EXPECT_EQ(RejectedReplyText("s", r), "s: server refused (kiss-of-death \"DENY\")");
    r.kissCode.clear();
    EXPECT_EQ(RejectedReplyText("s", r), "s: server refused (kiss-of-death)");
}

TEST(SntpResultText, LongOrOddServerNamesStayOnOneBoundedLine)
{
    std::string server(1000, 'a');
    server[3] = '\n';
    server[5] = '\t';
    std::vector<std::string> texts = AllFailureTexts(server.c_str());
    texts.push_back(OffsetText(server.c_str(), {INT64_MIN, INT64_MAX}, ClockResult::SetFailed, ULONG_MAX));
    for (const std::string& text : texts) {
        EXPECT_LE(text.size(), kResultBufferSize - 1);
        EXPECT_EQ(text.find_first_of("\r\n\t"), std::string::npos) << text;
        EXPECT_NE(text.find("aaa...: "), std::string::npos) << text;
    }
}

TEST(SntpResultText, CopyStaysInsideTheCallersBuffer)
{
    struct Case { size_t length; };
    for (Case c : {Case {0}, Case {255}, Case {256}, Case {400}}) {
        char buffer[kResultBufferSize + 16];
        std::memset(buffer, 0x5A, sizeof buffer);
        CopyResult(std::string(c.length, 'x'), buffer);
        size_t expected = c.length < kResultBufferSize ? c.length : kResultBufferSize - 1;
        EXPECT_EQ(std::strlen(buffer), expected);
        for (size_t i = kResultBufferSize; i < sizeof buffer; ++i)
            ASSERT_EQ(buffer[i], 0x5A) << c.length;
    }
}

} // namespace
} // namespace vantora::sntp
