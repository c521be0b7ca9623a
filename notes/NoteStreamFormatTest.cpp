// The note stream's bytes: offsets of every header field, title line, body.
#include <gtest/gtest.h>

#include "notes/NoteStreamFormat.h"
#include "shared/LittleEndian.h"

namespace vantora::notes {
namespace {

NoteHeader SampleHeader()
{
    NoteHeader h;
    h.left = -5;
    h.top = 100;
    h.right = 291;
    h.bottom = 271;
    h.alwaysOnTop = 1;
    h.lockText = 1;
    for (size_t i = 0; i < kStoredLogFontSize; ++i) {
        h.bodyFont[i] = uint8_t(i + 1);
        h.captionFont[i] = uint8_t(0x80 + i);
    }
    h.backColor = 0x00CCFFFF;
    h.frameColor = 0x000000FF;
    h.hidden = 1;
    h.lastUsed = 1700000000;
    h.captionColor = 0x00112233;
    h.alarmTime = -1;
    h.repeat = 1;
    h.count = -56;
    h.unit = 4;
    return h;
}

TEST(NoteStreamFormat, PutsEveryHeaderFieldAtItsOffset)
{
    auto bytes = EncodeNoteHeader(SampleHeader());
    const uint8_t* b = bytes.data();
    struct Field { size_t offset; uint32_t value; };
    const Field fields[] = {{0, uint32_t(-5)}, {4, 100},  {8, 291},          {12, 271},       {16, 1},
                            {20, 1},           {144, 0x00CCFFFF}, {148, 0xFF}, {152, 1},       {156, 1700000000},
                            {160, 0x00112233}, {164, 0xFFFFFFFF}, {172, 0}};
    for (const Field& f : fields)
        EXPECT_EQ(LoadLe32(b + f.offset), f.value) << "offset " << f.offset;
    EXPECT_EQ(b[24], 1);
    EXPECT_EQ(b[83], 60);
    EXPECT_EQ(b[84], 0x80);
    EXPECT_EQ(b[143], 0x80 + 59);
    EXPECT_EQ(b[168], 1);
    EXPECT_EQ(b[169], 0xC8);   // -56
    EXPECT_EQ(LoadLe16(b + 170), 4);
}

TEST(NoteStreamFormat, RoundTripsAStream)
{
    std::string stream = ComposeNoteStream(SampleHeader(), "Title", "{\\rtf1 body}");
    ASSERT_EQ(stream.size(), kNoteHeaderSize + 5 + 2 + 12);
    EXPECT_EQ(stream.substr(kNoteHeaderSize, 7), "Title\r\n");

    ParsedNoteStream parsed;
    ASSERT_TRUE(ParseNoteStream(stream, &parsed));
    EXPECT_EQ(parsed.title, "Title");
    EXPECT_EQ(parsed.body, "{\\rtf1 body}");
    EXPECT_EQ(parsed.header.count, -56);
    EXPECT_EQ(parsed.header.alarmTime, -1);
    EXPECT_EQ(parsed.header.left, -5);
    EXPECT_EQ(parsed.header.captionFont, SampleHeader().captionFont);
}

TEST(NoteStreamFormat, SplitsTheTextAtTheFirstLineBreakAndItsFirstNul)
{
    struct Case {
        std::string text;
        const char* title;
        const char* body;
    };
    const Case cases[] = {
        {"no line break", "", "no line break"},
        {"T\r\nline1\r\nline2", "T", "line1\r\nline2"},
        {"\r\nbody", "", "body"},
        {std::string("T\r\nab\0cd", 8), "T", "ab"},
        {"T\nonly LF", "", "T\nonly LF"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        auto header = EncodeNoteHeader({});
        std::string stream(reinterpret_cast<const char*>(header.data()), header.size());
        stream += c.text;
        ParsedNoteStream parsed;
        ASSERT_TRUE(ParseNoteStream(stream, &parsed));
        EXPECT_EQ(parsed.title, c.title);
        EXPECT_EQ(parsed.body, c.body);
    }
}

TEST(NoteStreamFormat, RefusesAStreamShorterThanItsHeader)
{
    ParsedNoteStream parsed;
    EXPECT_FALSE(ParseNoteStream(std::string(kNoteHeaderSize - 1, 'x'), &parsed));
    EXPECT_FALSE(ParseNoteStream("", &parsed));
    EXPECT_TRUE(ParseNoteStream(std::string(kNoteHeaderSize, '\0'), &parsed));
}

} // namespace
} // namespace vantora::notes
