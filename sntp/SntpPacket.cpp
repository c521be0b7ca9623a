#include "sntp/SntpPacket.h"

namespace vantora::sntp {
namespace {

// NTP is big-endian on the wire.
uint32_t LoadBe32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

void StoreBe32(uint8_t* p, uint32_t v)
{
    p[0] = uint8_t(v >> 24);
    p[1] = uint8_t(v >> 16);
    p[2] = uint8_t(v >> 8);
    p[3] = uint8_t(v);
}

NtpTimestamp LoadTimestamp(const uint8_t* p) { return {LoadBe32(p), LoadBe32(p + 4)}; }

void StoreTimestamp(uint8_t* p, NtpTimestamp ts)
{
    StoreBe32(p, ts.seconds);
    StoreBe32(p + 4, ts.fraction);
}

// The reference id of a kiss-of-death is four ASCII characters, padded with
// NULs or blanks; anything unprintable is shown as '?'.
std::string KissCode(const std::array<uint8_t, 4>& id)
{
    std::string code;
    for (uint8_t c : id)
        code += (c >= 0x20 && c < 0x7F) ? char(c) : (c == 0 ? ' ' : '?');
    while (!code.empty() && code.back() == ' ')
        code.pop_back();
    return code;
}

} // namespace

Packet Encode(const Header& h)
{
    Packet p {};
    p[0] = uint8_t((h.leap & 3) << 6 | (h.version & 7) << 3 | (h.mode & 7));
    p[1] = uint8_t(h.stratum);
    p[2] = uint8_t(h.poll);
    p[3] = uint8_t(h.precision);
    StoreBe32(&p[4], h.rootDelay);
    StoreBe32(&p[8], h.rootDispersion);
    for (size_t i = 0; i < 4; ++i)
        p[12 + i] = h.referenceId[i];
    StoreTimestamp(&p[16], h.reference);
    StoreTimestamp(&p[24], h.originate);
    StoreTimestamp(&p[32], h.receive);
    StoreTimestamp(&p[40], h.transmit);
    return p;
}

Header Decode(const uint8_t* data)
{
    Header h;
    h.leap = data[0] >> 6;
    h.version = data[0] >> 3 & 7;
    h.mode = data[0] & 7;
    h.stratum = data[1];
    h.poll = int8_t(data[2]);
    h.precision = int8_t(data[3]);
    h.rootDelay = LoadBe32(data + 4);
    h.rootDispersion = LoadBe32(data + 8);
    for (size_t i = 0; i < 4; ++i)
        h.referenceId[i] = data[12 + i];
    h.reference = LoadTimestamp(data + 16);
    h.originate = LoadTimestamp(data + 24);
    h.receive = LoadTimestamp(data + 32);
    h.transmit = LoadTimestamp(data + 40);
    return h;
}

Packet BuildRequest(NtpTimestamp transmit)
{
    Header h;
    h.version = 4;
    h.mode = kModeClient;
    h.transmit = transmit;
    return Encode(h);
}

Reply CheckReply(const uint8_t* data, size_t length, NtpTimestamp ourTransmit)
{
    Reply r;
    r.length = length;
    if (!data || length < kPacketSize) {
        r.check = ReplyCheck::TooShort;
        return r;
    }
    r.header = Decode(data);
    const Header& h = r.header;
    if (h.mode != kModeServer && h.mode != kModeBroadcast)
        r.check = ReplyCheck::WrongMode;
    else if (h.version != 3 && h.version != 4)
        r.check = ReplyCheck::WrongVersion;
    else if (!(h.originate == ourTransmit))
        r.check = ReplyCheck::OriginateMismatch;
    else if (h.stratum == 0) {
        // Checked before the leap indicator: a kiss-of-death carries leap 3.
        r.check = ReplyCheck::KissOfDeath;
        r.kissCode = KissCode(h.referenceId);
    } else if (h.leap == kLeapUnsynchronised)
        r.check = ReplyCheck::Unsynchronised;
    else if (h.stratum > 15)
        r.check = ReplyCheck::BadStratum;
    else if (h.receive.IsZero())
        r.check = ReplyCheck::ZeroReceive;
    else if (h.transmit.IsZero())
        r.check = ReplyCheck::ZeroTransmit;
    else
        r.check = ReplyCheck::Ok;
    return r;
}

} // namespace vantora::sntp
