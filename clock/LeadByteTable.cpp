#include "clock/LeadByteTable.h"

namespace vantora {

size_t WholeCharacterPrefix(std::string_view text, size_t maxBytes, const LeadByteTable* table)
{
    size_t pos = 0;
    while (pos < text.size()) {
        size_t next = pos + CharLengthAt(text, pos, table);
        if (next > maxBytes)
            break;
        pos = next;
    }
    return pos;
}

} // namespace vantora
