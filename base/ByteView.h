#pragma once
#include <cstdint>
#include <cstring>
#include <string_view>

#include "base/Exception.h"

// A read-only window on bytes that someone else wrote (a database file, a
// skin stream, a bitmap). Every read is checked against the size in 64-bit
// arithmetic; a read that would leave the bytes throws an Exception with the
// message the owner gave, so a damaged file is an error, never a stray read.
class ByteView {
public:
    ByteView() = default;
    ByteView(const void* data, uint64_t size, const char* damagedMessage)
        : FData(static_cast<const uint8_t*>(data)), FSize(size), FDamaged(damagedMessage) {}

    const uint8_t* Data() const { return FData; }
    uint64_t Size() const { return FSize; }

    bool Contains(uint64_t offset, uint64_t length) const {
        return offset <= FSize && length <= FSize - offset;
    }

    const uint8_t* At(uint64_t offset, uint64_t length) const {
        if (!Contains(offset, length)) Fail();
        return FData + offset;
    }

    uint8_t U8(uint64_t offset) const { return *At(offset, 1); }

    uint32_t U16(uint64_t offset) const {
        const uint8_t* p = At(offset, 2);
        return p[0] | p[1] << 8;
    }

    uint32_t U24(uint64_t offset) const {
        const uint8_t* p = At(offset, 3);
        return p[0] | p[1] << 8 | p[2] << 16;
    }

    uint32_t U32(uint64_t offset) const {
        const uint8_t* p = At(offset, 4);
        return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
    }

    int32_t I32(uint64_t offset) const { return static_cast<int32_t>(U32(offset)); }

    // The zero-terminated text at offset, without its zero byte; a text that
    // runs to the end of the bytes is damage.
    std::string_view CString(uint64_t offset) const {
        if (offset >= FSize) Fail();
        const void* end = std::memchr(FData + offset, 0, FSize - offset);
        if (!end) Fail();
        return {reinterpret_cast<const char*>(FData + offset),
                size_t(static_cast<const uint8_t*>(end) - (FData + offset))};
    }

    ByteView Sub(uint64_t offset, uint64_t length) const {
        return ByteView(At(offset, length), length, FDamaged);
    }

    [[noreturn]] void Fail() const { throw Exception(FDamaged ? FDamaged : "damaged data"); }

private:
    const uint8_t* FData = nullptr;
    uint64_t FSize = 0;
    const char* FDamaged = nullptr;
};
