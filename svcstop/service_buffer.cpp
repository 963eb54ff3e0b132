// The service listings' and configuration's byte buffers, read field by field.
#include "svcstop/service_buffer.h"

#include <cstring>

#include "svcstop/mod_service_code.h"

namespace nightjar {

ServiceBuffer::ServiceBuffer(std::size_t size) : bytes_(size, 0), base_(platform::svc::BufferAddress(bytes_.data())) {}

std::uint32_t ServiceBuffer::Number(std::size_t offset) const {
    std::uint32_t value = 0;
    if (offset + 4 <= bytes_.size()) std::memcpy(&value, bytes_.data() + offset, 4);
    return value;
}

std::uint64_t ServiceBuffer::Address(std::size_t offset) const {
    const std::size_t width = platform::svc::Layout().addressSize;
    std::uint64_t value = 0;
    if (offset + width <= bytes_.size()) std::memcpy(&value, bytes_.data() + offset, width);
    return value;
}

std::string ServiceBuffer::Text(std::size_t offset) const {
    return modServiceCode::StringFromAnsiPtr(*this, Address(offset));
}

std::uint32_t RecordCount(std::uint32_t bytesNeeded, std::uint32_t recordSize) {
    const std::uint64_t numerator = std::uint64_t{bytesNeeded} + recordSize;
    std::uint64_t count = numerator / recordSize;
    const std::uint64_t twiceRest = 2 * (numerator % recordSize);
    if (twiceRest > recordSize || (twiceRest == recordSize && count % 2 == 1)) ++count;
    return static_cast<std::uint32_t>(count);
}

}  // namespace nightjar
