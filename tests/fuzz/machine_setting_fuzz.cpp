// libFuzzer target: GetMachineSetting over a stored value of any type and
// any bytes, under any value name. A string comes back without its one
// closing zero byte, any other type raises its number, a missing value gives
// the default; every key opened is closed again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "frame/product_info.h"
#include "platform/error.h"
#include "platform/registry.h"
#include "platform/sim/sim.h"
#include "svcstop/mod_machine_settings.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

namespace reg = platform::reg;
using nightjar::modMachineSettings::GetMachineSetting;
using nightjar::modMachineSettings::kErrorBase;

const char kKey[] = "SOFTWARE\\Quillmere\\duskwing\\Settings";

bool Blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

// Input: the value type (4 bytes), the length of the value's name (1 byte),
// the name, then the stored bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    std::uint32_t type = 0;
    std::memcpy(&type, data, 4);
    const std::size_t nameLength = std::min<std::size_t>(data[4] % 8, size - 5);
    const std::string name(reinterpret_cast<const char*>(data) + 5, nameLength);
    const std::string stored(reinterpret_cast<const char*>(data) + 5 + nameLength, size - 5 - nameLength);

    sim::Reset();
    ProductInfo.CompanyName = "Quillmere";
    const bool staged = !name.empty() && name.find('\0') == std::string::npos;
    if (staged) sim::M().registry.setValue(reg::kLocalMachine, kKey, name, type, stored);

    std::string result;
    long raised = 0;
    try {
        result = GetMachineSetting("duskwing", "Settings", name, "default");
    } catch (const platform::Error& error) {
        raised = error.number();
    }

    if (Blank(name)) {
        Require(raised == kErrorBase + 1002);
    } else if (!staged) {
        Require(raised == 0 && result == "default");
    } else if (type != reg::kSz) {
        // Numbers are 32-bit, the same on every build, for any type.
        const auto expected = static_cast<std::int32_t>(static_cast<std::uint32_t>(kErrorBase) + 2000u + type);
        Require(raised == expected);
    } else {
        Require(raised == 0);
        const bool closed = !stored.empty() && stored.back() == '\0';
        Require(result == (closed ? stored.substr(0, stored.size() - 1) : stored));
    }
    Require(sim::OpenKeys().empty());
    return 0;
}
