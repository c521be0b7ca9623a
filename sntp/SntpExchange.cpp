#include "sntp/SntpExchange.h"

#include <winsock2.h>
#include <windows.h>

#include <cstring>

#include "sntp/SystemClock.h"
#include "win/Scoped.h"

namespace vantora::sntp {
namespace {

struct SocketTraits {
    using Handle = SOCKET;
    static Handle Empty() { return INVALID_SOCKET; }
    static void Close(Handle s) { closesocket(s); }
};
using ScopedSocket = win::Scoped<SocketTraits>;

// WSAStartup / WSACleanup, balanced only when the start-up succeeded.
class WinsockSession {
public:
    WinsockSession() : error_(WSAStartup(MAKEWORD(2, 2), &data_)) {}
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    ~WinsockSession()
    {
        if (error_ == 0)
            WSACleanup();
    }
    int Error() const { return error_; }

private:
    WSADATA data_ {};
    int error_;
};

Exchange Failed(Failure failure, long detail = 0)
{
    Exchange e;
    e.failed = true;
    e.failure = failure;
    e.detail = detail;
    return e;
}

// IPv4 only, through the calls every Winsock 2 has (Windows 9x included).
bool Resolve(const std::string& host, in_addr* address, Exchange* failure)
{
    unsigned long literal = inet_addr(host.c_str());
    if (literal != INADDR_NONE) {
        address->s_addr = literal;
        return true;
    }
    const hostent* entry = gethostbyname(host.c_str());
    if (!entry || entry->h_addrtype != AF_INET || entry->h_length != sizeof *address
        || !entry->h_addr_list[0]) {
        int error = entry ? WSANO_DATA : WSAGetLastError();
        *failure = (error == WSAHOST_NOT_FOUND || error == WSANO_DATA)
                       ? Failed(Failure::HostNotFound)
                       : Failed(Failure::LookupFailed, error);
        return false;
    }
    std::memcpy(address, entry->h_addr_list[0], sizeof *address);
    return true;
}

bool FromServer(const sockaddr_in& from, const sockaddr_in& server)
{
    return from.sin_family == AF_INET && from.sin_addr.s_addr == server.sin_addr.s_addr
        && from.sin_port == server.sin_port;
}

// Waits until the socket has a datagram or the deadline passes.
enum class Wait { Ready, TimedOut, Error };

Wait WaitReadable(SOCKET s, DWORD start, unsigned timeoutMs)
{
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs)
        return Wait::TimedOut;
    DWORD left = timeoutMs - elapsed;
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(s, &readable);
    timeval timeout {long(left / 1000), long(left % 1000 * 1000)};
    int ready = select(0, &readable, nullptr, nullptr, &timeout);
    if (ready == SOCKET_ERROR)
        return Wait::Error;
    return ready > 0 ? Wait::Ready : Wait::TimedOut;
}

} // namespace

Exchange QueryServer(const ServerAddress& server, unsigned timeoutMs)
{
    WinsockSession winsock;
    if (winsock.Error() != 0)
        return Failed(Failure::NetworkUnavailable, winsock.Error());

    sockaddr_in target {};
    target.sin_family = AF_INET;
    target.sin_port = htons(server.port);
    Exchange failure;
    if (!Resolve(server.host, &target.sin_addr, &failure))
        return failure;

    ScopedSocket s(socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    if (!s)
        return Failed(Failure::NetworkUnavailable, WSAGetLastError());

    UnixMicros sent = SystemNow();
    NtpTimestamp transmit = ToNtp(sent);
    Packet request = BuildRequest(transmit);
    DWORD start = GetTickCount();
    if (sendto(s.Get(), reinterpret_cast<const char*>(request.data()), int(request.size()), 0,
               reinterpret_cast<const sockaddr*>(&target), sizeof target) == SOCKET_ERROR)
        return Failed(Failure::SendFailed, WSAGetLastError());

    for (;;) {
        switch (WaitReadable(s.Get(), start, timeoutMs)) {
        case Wait::Ready:
            break;
        case Wait::TimedOut:
            return Failed(Failure::NoAnswer, long((timeoutMs + 500) / 1000));
        case Wait::Error:
            return Failed(Failure::ReceiveFailed, WSAGetLastError());
        }
        uint8_t data[1024];
        sockaddr_in from {};
        int fromLength = sizeof from;
        int length = recvfrom(s.Get(), reinterpret_cast<char*>(data), sizeof data, 0,
                              reinterpret_cast<sockaddr*>(&from), &fromLength);
        UnixMicros received = SystemNow();
        if (length == SOCKET_ERROR) {
            int error = WSAGetLastError();
            // Windows reports an ICMP "port unreachable" for our request here.
            if (error == WSAECONNRESET)
                return Failed(Failure::PortUnreachable);
            if (error == WSAEMSGSIZE)
                continue; // far larger than any reply to a plain request
            return Failed(Failure::ReceiveFailed, error);
        }
        // A datagram from anyone but the server asked is not its answer.
        if (!FromServer(from, target))
            continue;
        Exchange result;
        result.reply = CheckReply(data, size_t(length), transmit);
        if (result.reply.check == ReplyCheck::Ok)
            result.measurement = Measure(sent, result.reply.header.receive,
                                         result.reply.header.transmit, received);
        return result;
    }
}

} // namespace vantora::sntp
