// Little-endian integers stored as bytes: usable at any offset of a packed
// record, whatever the host's byte order and alignment rules.
#pragma once
#include <cstdint>

namespace vantora {

inline uint32_t LoadLe32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline void StoreLe32(uint8_t* p, uint32_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

inline uint16_t LoadLe16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

inline void StoreLe16(uint8_t* p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

// A 32-bit field of a byte-packed record (alignment 1).
struct Le32 {
    uint8_t bytes[4];
    int32_t Get() const { return int32_t(LoadLe32(bytes)); }
    uint32_t GetUnsigned() const { return LoadLe32(bytes); }
    void Set(int32_t v) { StoreLe32(bytes, uint32_t(v)); }
    void SetUnsigned(uint32_t v) { StoreLe32(bytes, v); }
};

// A 16-bit unsigned field of a byte-packed record.
struct Le16 {
    uint8_t bytes[2];
    uint16_t Get() const { return LoadLe16(bytes); }
    void Set(uint16_t v) { StoreLe16(bytes, v); }
};

static_assert(sizeof(Le32) == 4 && alignof(Le32) == 1);
static_assert(sizeof(Le16) == 2 && alignof(Le16) == 1);

} // namespace vantora
