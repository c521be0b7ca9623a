// Tries a clock format from the command line:
//   clockfmt [--lcid N] [--hour12] [--hourzero] [--beat N] FORMAT "YYYY-MM-DD HH:MM:SS"
//   clockfmt --scan FORMAT
// The text goes to standard output byte for byte, followed by one LF.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "clock/ClockFormatter.h"
#include "clock/ClockLocaleWin.h"
#include "clock/ClockSystemWin.h"

namespace {

using namespace vantora;

constexpr int kUsageExit = 2;

int Usage()
{
    fputs("usage: clockfmt [--lcid N] [--hour12] [--hourzero] [--beat N] [--] FORMAT \"YYYY-MM-DD HH:MM:SS\""
          " | clockfmt --scan FORMAT\n",
          stderr);
    return kUsageExit;
}

// Decimal, or hexadecimal after 0x; the whole argument must be the number.
bool ParseNumber(const char* text, unsigned long* value)
{
    bool hex = text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* digits = hex ? text + 2 : text;
    if (*digits == '\0' || *digits == '-' || *digits == '+' || *digits == ' ')
        return false;
    char* end = nullptr;
    errno = 0;
    *value = strtoul(digits, &end, hex ? 16 : 10);
    return *end == '\0' && errno == 0;
}

// Exactly "YYYY-MM-DD HH:MM:SS", a real date; the day of the week follows from it.
bool ParseDateTime(const char* text, SYSTEMTIME* time)
{
    static constexpr std::string_view kPattern = "dddd-dd-dd dd:dd:dd";
    if (strlen(text) != kPattern.size())
        return false;
    for (size_t i = 0; i < kPattern.size(); ++i) {
        bool digit = text[i] >= '0' && text[i] <= '9';
        if (kPattern[i] == 'd' ? !digit : text[i] != kPattern[i])
            return false;
    }
    auto field = [text](size_t pos, size_t count) {
        WORD value = 0;
        for (size_t i = pos; i < pos + count; ++i)
            value = WORD(value * 10 + (text[i] - '0'));
        return value;
    };
    SYSTEMTIME parsed {};
    parsed.wYear = field(0, 4);
    parsed.wMonth = field(5, 2);
    parsed.wDay = field(8, 2);
    parsed.wHour = field(11, 2);
    parsed.wMinute = field(14, 2);
    parsed.wSecond = field(17, 2);
    FILETIME asFileTime;
    if (parsed.wYear < 1601 || !SystemTimeToFileTime(&parsed, &asFileTime) || !FileTimeToSystemTime(&asFileTime, time))
        return false;
    return time->wDay == parsed.wDay && time->wMonth == parsed.wMonth;
}

void WriteOut(std::string_view text)
{
    _setmode(_fileno(stdout), _O_BINARY);
    fwrite(text.data(), 1, text.size(), stdout);
    fputc('\n', stdout);
    fflush(stdout);
}

int Scan(const char* format)
{
    LeadByteTable systemLeadBytes;
    FillLeadByteTable(CP_ACP, systemLeadBytes);
    char line[64];
    snprintf(line, sizeof line, "fast=%d beat=%d", NeedsFastTick(format, &systemLeadBytes) ? 1 : 0,
             GetBeatMode(format, &systemLeadBytes));
    WriteOut(line);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && strcmp(argv[1], "--scan") == 0)
        return Scan(argv[2]);

    LCID lcid = ClockLocaleId();
    bool hour12 = false;
    bool hourZero = false;
    unsigned long beat = 0;
    int arg = 1;
    for (; arg < argc && strncmp(argv[arg], "--", 2) == 0; ++arg) {
        unsigned long number = 0;
        if (strcmp(argv[arg], "--") == 0) {
            ++arg;
            break;
        }
        if (strcmp(argv[arg], "--hour12") == 0) {
            hour12 = true;
        } else if (strcmp(argv[arg], "--hourzero") == 0) {
            hourZero = true;
        } else if (strcmp(argv[arg], "--lcid") == 0 && arg + 1 < argc && ParseNumber(argv[arg + 1], &number)
                   && number <= 0xFFFFFFFF) {
            lcid = LCID(number);
            ++arg;
        } else if (strcmp(argv[arg], "--beat") == 0 && arg + 1 < argc && ParseNumber(argv[arg + 1], &number)
                   && number <= 99999) {
            beat = number;
            ++arg;
        } else {
            return Usage();
        }
    }
    SYSTEMTIME time;
    if (argc - arg != 2 || strlen(argv[arg]) >= kClockTextSize || !ParseDateTime(argv[arg + 1], &time))
        return Usage();

    ClockLocale locale;
    LoadClockLocaleFor(lcid, time, locale);
    LeadByteTable systemLeadBytes;
    FillLeadByteTable(CP_ACP, systemLeadBytes);
    WinClockSystemQueries system;
    ClockFormatInputs inputs {locale, &systemLeadBytes, hour12, hourZero, &system};
    char text[kClockTextSize];
    size_t length = FormatClockText(text, sizeof text, ToClockTime(time), int32_t(beat), argv[arg], inputs);
    WriteOut(std::string_view(text, length));
    return 0;
}
