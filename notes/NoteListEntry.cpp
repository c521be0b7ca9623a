#include "notes/NoteListEntry.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vantora::notes {

namespace {
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
} // namespace

size_t CharacterBoundary(std::string_view text, size_t limit, LeadBytePredicate isLeadByte)
{
    if (text.size() <= limit)
        return text.size();
    size_t end = 0;
    while (end < limit) {
        size_t width = isLeadByte(uint8_t(text[end])) && end + 1 < text.size() ? 2 : 1;
        if (end + width > limit)
            break;
        end += width;
    }
    return end;
}

std::string MakeExcerpt(std::string_view text, LeadBytePredicate isLeadByte)
{
    std::string flat(text);
    std::replace(flat.begin(), flat.end(), '\r', ' ');
    std::replace(flat.begin(), flat.end(), '\n', ' ');
    size_t first = 0;
    while (first < flat.size() && IsSpace(flat[first]))
        ++first;
    size_t last = flat.size();
    while (last > first && IsSpace(flat[last - 1]))
        --last;
    std::string_view trimmed = std::string_view(flat).substr(first, last - first);
    return std::string(trimmed.substr(0, CharacterBoundary(trimmed, kExcerptLength, isLeadByte)));
}

void FormatNoteListEntry(int32_t id, std::string_view excerpt, std::string_view title, char* out,
                         size_t capacity, LeadBytePredicate isLeadByte)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%010d", int(id));
    std::string entry = digits;
    entry.append(excerpt);
    entry.push_back('[');
    // Room left for the title once "]" and the NUL are counted.
    size_t fixed = entry.size() + 2;
    size_t room = capacity > fixed ? capacity - fixed : 0;
    entry.append(title.substr(0, CharacterBoundary(title, room, isLeadByte)));
    entry.push_back(']');
    size_t length = std::min(entry.size(), capacity - 1);
    std::memcpy(out, entry.data(), length);
    out[length] = '\0';
}

} // namespace vantora::notes
