#include "shared/NotePropertyRecord.h"

#include <cstring>

namespace vantora {

void NotePropertyRecord::SetTitle(std::string_view text)
{
    size_t length = text.size() < kTitleMaxLength ? text.size() : kTitleMaxLength;
    std::memcpy(title, text.data(), length);
    std::memset(title + length, 0, kTitleFieldSize - length);
}

std::string_view NotePropertyRecord::Title() const
{
    const void* nul = std::memchr(title, 0, kTitleFieldSize);
    size_t length = nul ? static_cast<const char*>(nul) - title : kTitleFieldSize;
    return {title, length};
}

} // namespace vantora
