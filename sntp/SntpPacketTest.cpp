#include "sntp/SntpPacket.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantora::sntp {
namespace {

const NtpTimestamp kOurs {0xE9A1B2C3u, 0x12345678u};

TEST(SntpPacket, RequestIsVersion4ClientWithOnlyOurTransmitTime)
{
    Packet p = BuildRequest(kOurs);
    EXPECT_EQ(p[0], 0x23); // leap 0, version 4, mode 3
    for (size_t i = 1; i < 40; ++i)
        EXPECT_EQ(p[i], 0) << i;
    const uint8_t transmit[8] = {0xE9, 0xA1, 0xB2, 0xC3, 0x12, 0x34, 0x56, 0x78};
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(p[40 + i], transmit[i]) << i;
}

TEST(SntpPacket, HeaderFieldsRoundTripThroughTheWireLayout)
{
    Header h;
    h.leap = 2;
    h.version = 3;
    h.mode = kModeServer;
    h.stratum = 15;
    h.poll = 6;
    h.precision = -20;
    h.rootDelay = 0x00010203;
    h.rootDispersion = 0x04050607;
    h.referenceId = {'G', 'P', 'S', 0};
    h.reference = {1, 2};
    h.originate = {3, 4};
    h.receive = {5, 6};
    h.transmit = {0xFFFFFFFFu, 0x80000000u};
    Packet p = Encode(h);
    EXPECT_EQ(p[0], 2 << 6 | 3 << 3 | 4);
    EXPECT_EQ(p[3], 0xEC);
    EXPECT_EQ(p[7], 0x03);
    EXPECT_EQ(p[12], 'G');
    EXPECT_EQ(p[31], 4);

    Header back = Decode(p.data());
    EXPECT_EQ(back.leap, 2);
    EXPECT_EQ(back.version, 3);
    EXPECT_EQ(back.mode, kModeServer);
    EXPECT_EQ(back.stratum, 15);
    EXPECT_EQ(back.poll, 6);
    EXPECT_EQ(back.precision, -20);
    EXPECT_EQ(back.rootDelay, h.rootDelay);
    EXPECT_EQ(back.rootDispersion, h.rootDispersion);
    EXPECT_EQ(back.referenceId, h.referenceId);
    EXPECT_EQ(back.reference, h.reference);
    EXPECT_EQ(back.originate, h.originate);
    EXPECT_EQ(back.receive, h.receive);
    EXPECT_EQ(back.transmit, h.transmit);
}

// A sound reply to kOurs; each case spoils one thing.
Header GoodReply()
{
    Header h;
    h.version = 4;
    h.mode = kModeServer;
    h.stratum = 2;
    h.referenceId = {192, 0, 2, 1};
    h.originate = kOurs;
    h.receive = {0xE9A1B2C4u, 0};
    h.transmit = {0xE9A1B2C4u, 0x1000};
    return h;
}

TEST(SntpPacket, ReplyChecks)
{
    struct Case {
        const char* what;
        void (*spoil)(Header&);
        ReplyCheck expected;
    };
    const Case cases[] = {
        {"good", [](Header&) {}, ReplyCheck::Ok},
        {"version 3", [](Header& h) { h.version = 3; }, ReplyCheck::Ok},
        {"broadcast mode", [](Header& h) { h.mode = kModeBroadcast; }, ReplyCheck::Ok},
        {"stratum 1", [](Header& h) { h.stratum = 1; }, ReplyCheck::Ok},
        {"leap second ahead", [](Header& h) { h.leap = 1; }, ReplyCheck::Ok},
        {"client mode", [](Header& h) { h.mode = kModeClient; }, ReplyCheck::WrongMode},
        {"mode 0", [](Header& h) { h.mode = 0; }, ReplyCheck::WrongMode},
        {"version 2", [](Header& h) { h.version = 2; }, ReplyCheck::WrongVersion},
        {"version 5", [](Header& h) { h.version = 5; }, ReplyCheck::WrongVersion},
        {"originate fraction differs", [](Header& h) { h.originate.fraction ^= 1; },
         ReplyCheck::OriginateMismatch},
        {"kiss-of-death", [](Header& h) { h.stratum = 0; h.leap = 3; }, ReplyCheck::KissOfDeath},
        {"forged kiss-of-death",
         [](Header& h) { h.stratum = 0; h.originate = {}; }, ReplyCheck::OriginateMismatch},
        {"leap 3", [](Header& h) { h.leap = 3; }, ReplyCheck::Unsynchronised},
        {"stratum 16", [](Header& h) { h.stratum = 16; }, ReplyCheck::BadStratum},
        {"stratum 255", [](Header& h) { h.stratum = 255; }, ReplyCheck::BadStratum},
        {"zero receive", [](Header& h) { h.receive = {}; }, ReplyCheck::ZeroReceive},
        {"zero transmit", [](Header& h) { h.transmit = {}; }, ReplyCheck::ZeroTransmit},
    };
    for (const Case& c : cases) {
        Header h = GoodReply();
        c.spoil(h);
        Packet p = Encode(h);
        Reply r = CheckReply(p.data(), p.size(), kOurs);
        EXPECT_EQ(r.check, c.expected) << c.what;
        EXPECT_EQ(r.length, kPacketSize) << c.what;
    }
}

TEST(SntpPacket, ReplyLength)
{
    Packet good = Encode(GoodReply());
    std::vector<uint8_t> withMac(good.begin(), good.end());
    withMac.resize(68, 0xAB); // key id and digest after the header
    EXPECT_EQ(CheckReply(withMac.data(), withMac.size(), kOurs).check, ReplyCheck::Ok);

    Reply shortReply = CheckReply(good.data(), kPacketSize - 1, kOurs);
    EXPECT_EQ(shortReply.check, ReplyCheck::TooShort);
    EXPECT_EQ(shortReply.length, kPacketSize - 1);
    EXPECT_EQ(CheckReply(nullptr, 0, kOurs).check, ReplyCheck::TooShort);
}

TEST(SntpPacket, KissCodeIsPrintable)
{
    struct Case { std::array<uint8_t, 4> id; const char* code; };
    const Case cases[] = {
        {{'R', 'A', 'T', 'E'}, "RATE"},
        {{'D', 'E', 'N', 'Y'}, "DENY"},
        {{'N', 'O', 0, 0}, "NO"},
        {{'X', 0x01, 0xFF, ' '}, "X??"},
        {{0, 0, 0, 0}, ""},
    };
    for (const Case& c : cases) {
        Header h = GoodReply();
        h.stratum = 0;
        h.referenceId = c.id;
        Packet p = Encode(h);
        Reply r = CheckReply(p.data(), p.size(), kOurs);
        ASSERT_EQ(r.check, ReplyCheck::KissOfDeath);
        EXPECT_EQ(r.kissCode, c.code);
    }
}

} // namespace
} // namespace vantora::sntp
