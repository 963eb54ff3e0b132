// String values in the registry, read and written.
#include "frame/registry_text.h"

namespace reg = platform::reg;

std::optional<std::string> ReadStringValue(reg::Key key, const std::string& name) {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (reg::QueryValue(key, name, &type, nullptr, &size) != 0 || type != reg::kSz) return std::nullopt;
    std::string buffer(size, ' ');
    // The value may grow between the two calls; a second size query is not worth it.
    if (reg::QueryValue(key, name, &type, buffer.data(), &size) != 0 || type != reg::kSz) return std::nullopt;
    buffer.resize(size);
    const auto nul = buffer.find('\0');
    if (nul != std::string::npos) buffer.resize(nul);
    return buffer;
}

long WriteStringValue(reg::Key key, const std::string& name, const std::string& text) {
    return reg::SetValue(key, name, reg::kSz, text.c_str(), static_cast<std::uint32_t>(text.size() + 1));
}

long WriteStringAt(reg::Key root, const std::string& path, const std::string& name, const std::string& text) {
    reg::Key handle = 0;
    long result = reg::CreateKey(root, path, &handle);
    if (result != 0) return result;
    result = WriteStringValue(handle, name, text);
    reg::CloseKey(handle);
    return result;
}
