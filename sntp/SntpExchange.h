// One SNTP exchange over UDP: resolve the server, send our request, wait for
// the reply from that address and port, check it and measure.
#pragma once
#include "sntp/ServerAddress.h"
#include "sntp/SntpPacket.h"
#include "sntp/SntpResultText.h"
#include "sntp/SntpTime.h"

namespace vantora::sntp {

constexpr unsigned kAnswerTimeoutMs = 3000;

struct Exchange {
    bool failed = false;    // no reply to check: `failure` and `detail` say why
    Failure failure = Failure::NoAnswer;
    long detail = 0;
    Reply reply;
    Measurement measurement; // when reply.check is Ok
};

Exchange QueryServer(const ServerAddress& server, unsigned timeoutMs);

} // namespace vantora::sntp
