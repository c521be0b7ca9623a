// Byte layout of one note stream in the notes file: a 176-byte little-endian
// header, the title and CR LF, then the body up to the end of the stream.
// OS-free, so it is checked byte for byte under the sanitizers.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantora::notes {

constexpr size_t kNoteHeaderSize = 176;
constexpr size_t kStoredLogFontSize = 60;   // LOGFONTA
constexpr uint32_t kStoredFrameColor = 0x00610E0E;

struct NoteHeader {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t alwaysOnTop = 0;
    int32_t lockText = 0;
    std::array<uint8_t, kStoredLogFontSize> bodyFont {};
    std::array<uint8_t, kStoredLogFontSize> captionFont {};
    uint32_t backColor = 0;
    uint32_t frameColor = 0;
    int32_t hidden = 0;
    int32_t lastUsed = 0;
    uint32_t captionColor = 0;
    int32_t alarmTime = 0;
    uint8_t repeat = 0;
    int8_t count = 0;
    uint16_t unit = 0;
};

std::array<uint8_t, kNoteHeaderSize> EncodeNoteHeader(const NoteHeader& header);
NoteHeader DecodeNoteHeader(const uint8_t (&bytes)[kNoteHeaderSize]);

// The whole stream: header, title, CR LF, body.
std::string ComposeNoteStream(const NoteHeader& header, std::string_view title, std::string_view body);

struct ParsedNoteStream {
    NoteHeader header;
    std::string title;
    std::string body;
};

// False for a stream too short to hold a header. The text after the header
// ends at its first NUL; before its first CR LF is the title, after it the
// body; without CR LF the title is empty and the text is the body.
bool ParseNoteStream(std::string_view stream, ParsedNoteStream* parsed);

} // namespace vantora::notes
