#pragma once
// String values in the registry, as both the settings store and AddRemove
// read and write them.
#include <optional>
#include <string>

#include "platform/registry.h"

// The text of a REG_SZ value up to its first NUL (all of it when it has
// none); nothing for a missing value, another type or a failed query.
std::optional<std::string> ReadStringValue(platform::reg::Key key, const std::string& name);

// Stores the text as REG_SZ with its terminating NUL counted in the size.
// Returns the registry's result code.
long WriteStringValue(platform::reg::Key key, const std::string& name, const std::string& text);

// Creates the key when it is missing and stores the text there as above.
// Returns the first failing registry result, or 0.
long WriteStringAt(platform::reg::Key root, const std::string& path, const std::string& name, const std::string& text);
