// libFuzzer target: the buffers the service listings and the configuration
// query fill, read in the records' layout of a 32-bit or of a 64-bit process:
// any bytes, read at every offset, and texts at any address. Nothing is read
// outside the buffer; a number or address across its end reads 0; a text is
// the buffer's bytes from its address to the first zero byte or the end, and
// empty for an address outside the buffer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/sim/sim.h"
#include "svcstop/mod_service_code.h"
#include "svcstop/service_buffer.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

using nightjar::ServiceBuffer;
using nightjar::modServiceCode::StringFromAnsiPtr;

// The text at byte `at` of the buffer, as the records mean it.
std::string TextAt(const ServiceBuffer& buffer, std::uint64_t at) {
    const auto& bytes = buffer.bytes();
    if (at >= bytes.size()) return std::string();
    const auto start = bytes.begin() + static_cast<std::ptrdiff_t>(at);
    return std::string(start, std::find(start, bytes.end(), std::uint8_t{0}));
}

}  // namespace

// Input: a byte choosing the layout, then the buffer's bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    sim::Reset();
    sim::Services().records64 = (data[0] & 1) != 0;
    const platform::svc::RecordLayout& layout = platform::svc::Layout();

    ServiceBuffer buffer(size - 1);
    if (size > 1) std::memcpy(buffer.data(), data + 1, size - 1);
    const std::uint64_t base = buffer.base();
    const std::size_t length = buffer.bytes().size();

    for (std::size_t offset = 0; offset <= std::min<std::size_t>(length, 512) + 8; ++offset) {
        std::uint32_t number = 0;
        if (offset + 4 <= length) std::memcpy(&number, buffer.bytes().data() + offset, 4);
        Require(buffer.Number(offset) == number);
        std::uint64_t address = 0;
        if (offset + layout.addressSize <= length)
            std::memcpy(&address, buffer.bytes().data() + offset, layout.addressSize);
        Require(buffer.Address(offset) == address);
        const std::string text = buffer.Text(offset);
        Require(text == (address >= base ? TextAt(buffer, address - base) : std::string()));
    }

    // Addresses about the buffer, below it, and cut to 32 bits.
    for (std::uint64_t step : {0ull, 1ull, 7ull, 0x100000000ull, 0xFFFFFFFFull}) {
        Require(StringFromAnsiPtr(buffer, base + step) == TextAt(buffer, step));
        Require(StringFromAnsiPtr(buffer, base - step - 1).empty());
    }
    Require(StringFromAnsiPtr(buffer, 0).empty() || base == 0);

    // The listing's buffer holds the records the bytes needed call for, rounded.
    std::uint32_t needed = 0;
    std::memcpy(&needed, data, std::min<std::size_t>(size, 4));
    needed %= 1u << 24;
    const std::uint64_t records = nightjar::RecordCount(needed, layout.enumRecordSize);
    const std::uint64_t exact2 = 2 * (std::uint64_t{needed} + layout.enumRecordSize);
    const std::uint64_t given2 = 2 * records * layout.enumRecordSize;
    Require((given2 > exact2 ? given2 - exact2 : exact2 - given2) <= layout.enumRecordSize);
    return 0;
}
