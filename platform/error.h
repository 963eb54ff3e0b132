#pragma once
// A failure a caller must see: an error number and its text.
#include <stdexcept>
#include <string>

namespace platform {

class Error : public std::runtime_error {
public:
    Error(long number, const std::string& text) : std::runtime_error(text), number_(number) {}
    long number() const { return number_; }

private:
    long number_;
};

// Error numbers raised by the forms layer.
inline constexpr long kErrInvalidPropertyValue = 380;
inline constexpr long kErrInvalidArrayIndex = 381;
inline constexpr long kErrIndexOutOfBounds = 35600;
inline constexpr long kErrKeyNotUnique = 35602;
inline constexpr long kErrFileNotFound = 53;
inline constexpr long kErrPathNotFound = 76;

}  // namespace platform
