#pragma once
// ANSI text compared without regard to letter case, as file names and web
// addresses are.
#include <string>

bool EqualsNoCase(const std::string& a, const std::string& b);
// Where part first stands in text at or after from; npos when nowhere. The
// empty part stands at from in any text longer than from.
std::size_t FindNoCase(const std::string& text, const std::string& part, std::size_t from = 0);
bool ContainsNoCase(const std::string& text, const std::string& part);
