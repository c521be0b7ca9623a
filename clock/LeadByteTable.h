// Double-byte code pages in 8-bit text: which bytes begin a two-byte
// character. The Win32 side fills a table per code page; the OS-free text code
// steps through characters with it and never cuts one in half.
#pragma once
#include <array>
#include <cstddef>
#include <string_view>

namespace vantora {

// One flag per byte value: true when the byte is a lead byte.
using LeadByteTable = std::array<bool, 256>;

// A null table stands for a single-byte code page.
inline bool IsLeadByte(const LeadByteTable* table, char byte)
{
    return table && (*table)[static_cast<unsigned char>(byte)];
}

// Length in bytes of the character at `pos` (1 or 2; 1 for a lead byte that
// ends the text, so a scan never steps past the end).
inline size_t CharLengthAt(std::string_view text, size_t pos, const LeadByteTable* table)
{
    return IsLeadByte(table, text[pos]) && pos + 1 < text.size() ? 2 : 1;
}

// Length of the longest start of `text` that holds only whole characters and
// at most `maxBytes` bytes.
size_t WholeCharacterPrefix(std::string_view text, size_t maxBytes, const LeadByteTable* table);

} // namespace vantora
