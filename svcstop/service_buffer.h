#pragma once
// The byte buffers the service listings and the configuration query fill,
// read field by field through the records' layout, never past their end.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/services.h"

namespace nightjar {

class ServiceBuffer {
public:
    explicit ServiceBuffer(std::size_t size);

    std::uint8_t* data() { return bytes_.data(); }
    std::uint32_t size() const { return static_cast<std::uint32_t>(bytes_.size()); }

    // The 32-bit number at `offset`; 0 where it would lie outside the buffer.
    std::uint32_t Number(std::size_t offset) const;
    // The address (of the layout's width) at `offset`; 0 outside the buffer.
    std::uint64_t Address(std::size_t offset) const;
    // The text whose address is at `offset` (modServiceCode::StringFromAnsiPtr).
    std::string Text(std::size_t offset) const;
    // The address by which the records refer to the buffer's first byte.
    std::uint64_t base() const { return base_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::uint64_t base_;
};

// The number of records of `recordSize` bytes a listing that needs
// `bytesNeeded` bytes is given: bytesNeeded / recordSize + 1, rounded to the
// nearest whole number with halves to the even neighbour.
std::uint32_t RecordCount(std::uint32_t bytesNeeded, std::uint32_t recordSize);

}  // namespace nightjar
