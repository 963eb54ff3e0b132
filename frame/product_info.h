#pragma once
// The product identity of the running program, read from its version
// information once the splash loads.
#include <string>

struct ProductInfoRecord {
    std::string ProductName;
    std::string CompanyName;
    std::string HomePage;  // a bare address without a scheme
    bool SkinsEnabled = false;
    bool UseSplashIcon = false;
};

extern ProductInfoRecord ProductInfo;

namespace modProductInfo {
// Fills ProductInfo from the version information; every call writes the same values.
void LoadProductInfo();
}  // namespace modProductInfo
