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

// Error numbers the programs and the forms layer raise, those of the Visual
// Basic run time the programs were first written against.
inline constexpr long kErrInvalidProcedureCall = 5;
inline constexpr long kErrBadFileName = 52;
inline constexpr long kErrFileNotFound = 53;
inline constexpr long kErrDiskFull = 61;
inline constexpr long kErrPathFileAccess = 75;
inline constexpr long kErrPathNotFound = 76;
inline constexpr long kErrObjectNotSet = 91;
inline constexpr long kErrInvalidPropertyValue = 380;
inline constexpr long kErrInvalidArrayIndex = 381;
inline constexpr long kErrIndexOutOfBounds = 35600;
inline constexpr long kErrKeyNotUnique = 35602;

}  // namespace platform
