// The text GetNote hands the host for one note: ten digits of the note's id,
// a short excerpt of its text and its title in brackets. OS-free; the caller
// says which bytes lead a double-byte character of the ANSI code page.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantora::notes {

using LeadBytePredicate = bool (*)(uint8_t byte);

constexpr size_t kExcerptLength = 20;

// Line breaks become spaces, white space is trimmed at both ends, and the
// result is cut to at most 20 bytes without splitting a character.
std::string MakeExcerpt(std::string_view text, LeadBytePredicate isLeadByte);

// The longest prefix of `text` of at most `limit` bytes that ends on a
// character boundary.
size_t CharacterBoundary(std::string_view text, size_t limit, LeadBytePredicate isLeadByte);

// Writes "%010d%s[%s]" and its NUL into `out` (capacity bytes, at least 1),
// cutting the title on a character boundary so that everything fits.
void FormatNoteListEntry(int32_t id, std::string_view excerpt, std::string_view title, char* out,
                         size_t capacity, LeadBytePredicate isLeadByte);

} // namespace vantora::notes
