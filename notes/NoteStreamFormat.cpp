#include "notes/NoteStreamFormat.h"

#include <cstring>

#include "shared/LittleEndian.h"

namespace vantora::notes {

namespace {

constexpr size_t kBodyFontOffset = 24;
constexpr size_t kCaptionFontOffset = 84;

void Put32(uint8_t* out, size_t offset, uint32_t value) { StoreLe32(out + offset, value); }
uint32_t Get32(const uint8_t* in, size_t offset) { return LoadLe32(in + offset); }

} // namespace

std::array<uint8_t, kNoteHeaderSize> EncodeNoteHeader(const NoteHeader& h)
{
    std::array<uint8_t, kNoteHeaderSize> bytes {};
    uint8_t* out = bytes.data();
    Put32(out, 0, uint32_t(h.left));
    Put32(out, 4, uint32_t(h.top));
    Put32(out, 8, uint32_t(h.right));
    Put32(out, 12, uint32_t(h.bottom));
    Put32(out, 16, uint32_t(h.alwaysOnTop));
    Put32(out, 20, uint32_t(h.lockText));
    std::memcpy(out + kBodyFontOffset, h.bodyFont.data(), kStoredLogFontSize);
    std::memcpy(out + kCaptionFontOffset, h.captionFont.data(), kStoredLogFontSize);
    Put32(out, 144, h.backColor);
    Put32(out, 148, h.frameColor);
    Put32(out, 152, uint32_t(h.hidden));
    Put32(out, 156, uint32_t(h.lastUsed));
    Put32(out, 160, h.captionColor);
    Put32(out, 164, uint32_t(h.alarmTime));
    out[168] = h.repeat;
    out[169] = uint8_t(h.count);
    StoreLe16(out + 170, h.unit);
    // 172..175 stay zero.
    return bytes;
}

NoteHeader DecodeNoteHeader(const uint8_t (&bytes)[kNoteHeaderSize])
{
    const uint8_t* in = bytes;
    NoteHeader h;
    h.left = int32_t(Get32(in, 0));
    h.top = int32_t(Get32(in, 4));
    h.right = int32_t(Get32(in, 8));
    h.bottom = int32_t(Get32(in, 12));
    h.alwaysOnTop = int32_t(Get32(in, 16));
    h.lockText = int32_t(Get32(in, 20));
    std::memcpy(h.bodyFont.data(), in + kBodyFontOffset, kStoredLogFontSize);
    std::memcpy(h.captionFont.data(), in + kCaptionFontOffset, kStoredLogFontSize);
    h.backColor = Get32(in, 144);
    h.frameColor = Get32(in, 148);
    h.hidden = int32_t(Get32(in, 152));
    h.lastUsed = int32_t(Get32(in, 156));
    h.captionColor = Get32(in, 160);
    h.alarmTime = int32_t(Get32(in, 164));
    h.repeat = in[168];
    h.count = int8_t(in[169]);
    h.unit = LoadLe16(in + 170);
    return h;
}

std::string ComposeNoteStream(const NoteHeader& header, std::string_view title, std::string_view body)
{
    auto bytes = EncodeNoteHeader(header);
    std::string stream(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    stream.append(title);
    stream.append("\r\n");
    stream.append(body);
    return stream;
}

bool ParseNoteStream(std::string_view stream, ParsedNoteStream* parsed)
{
    if (stream.size() < kNoteHeaderSize)
        return false;
    uint8_t header[kNoteHeaderSize];
    std::memcpy(header, stream.data(), kNoteHeaderSize);
    parsed->header = DecodeNoteHeader(header);

    std::string_view text = stream.substr(kNoteHeaderSize);
    text = text.substr(0, text.find('\0'));
    size_t lineEnd = text.find("\r\n");
    if (lineEnd == std::string_view::npos) {
        parsed->title.clear();
        parsed->body.assign(text);
    } else {
        parsed->title.assign(text.substr(0, lineEnd));
        parsed->body.assign(text.substr(lineEnd + 2));
    }
    return true;
}

} // namespace vantora::notes
