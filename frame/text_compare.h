#pragma once
// ANSI text compared without regard to letter case, as file names and web
// addresses are.
#include <string>

bool EqualsNoCase(const std::string& a, const std::string& b);
bool ContainsNoCase(const std::string& text, const std::string& part);
