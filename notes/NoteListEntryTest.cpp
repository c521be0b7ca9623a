// GetNote's text: excerpt rules and the 256-byte limit of the host's buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "notes/NoteListEntry.h"

namespace vantora::notes {
namespace {

bool NoLeadBytes(uint8_t) { return false; }
// Lead bytes of code page 936.
bool Gbk(uint8_t b) { return b >= 0x81 && b <= 0xFE; }

TEST(MakeExcerpt, FlattensTrimsAndCuts)
{
    struct Case {
        const char* text;
        const char* excerpt;
    };
    const Case cases[] = {
        {"line one\r\nline two", "line one  line two"},
        {"  \r\n  padded \t\r\n", "padded"},
        {"", ""},
        {"123456789012345678901234", "12345678901234567890"},
        {"\r\n\r\n", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakeExcerpt(c.text, NoLeadBytes), c.excerpt) << c.text;
}

TEST(MakeExcerpt, DoesNotSplitADoubleByteCharacter)
{
    // 19 ASCII bytes then a two-byte character: 20 bytes would cut it in half.
    std::string text = std::string(19, 'a') + "\xD6\xD0" + "z";
    EXPECT_EQ(MakeExcerpt(text, Gbk), std::string(19, 'a'));
    std::string even = std::string(18, 'a') + "\xD6\xD0" + "z";
    EXPECT_EQ(MakeExcerpt(even, Gbk), even.substr(0, 20));
}

TEST(FormatNoteListEntry, WritesIdExcerptAndTitle)
{
    char out[256];
    FormatNoteListEntry(12345678, "line  two", "March 04, 2003", out, sizeof out, NoLeadBytes);
    EXPECT_STREQ(out, "0012345678line  two[March 04, 2003]");
    FormatNoteListEntry(7, "", "T", out, sizeof out, NoLeadBytes);
    EXPECT_STREQ(out, "0000000007[T]");
}

TEST(FormatNoteListEntry, CutsALongTitleToFitTheHostsBuffer)
{
    std::string excerpt(20, 'e');
    struct Case {
        std::string title;
        size_t expectedTitle;
    };
    // 10 digits + 20 + "[" + "]" + NUL leave 223 bytes for the title.
    const Case cases[] = {
        {std::string(223, 't'), 223},
        {std::string(400, 't'), 223},
        {std::string(222, 't') + "\xD6\xD0", 222},   // the last character would not fit whole
    };
    for (const Case& c : cases) {
        char out[256 + 8];
        std::memset(out, 0x7F, sizeof out);
        FormatNoteListEntry(1, excerpt, c.title, out, 256, Gbk);
        std::string written = out;
        EXPECT_LE(written.size(), 255u);
        EXPECT_EQ(written.size(), 10 + 20 + 2 + c.expectedTitle);
        EXPECT_EQ(written.back(), ']');
        for (size_t i = 256; i < sizeof out; ++i)
            EXPECT_EQ(out[i], 0x7F) << "byte " << i << " beyond the buffer was written";
    }
}

} // namespace
} // namespace vantora::notes
