// The running program's product identity, from its version information.
#include "frame/product_info.h"

#include "platform/process_globals.h"
#include "platform/version.h"

ProductInfoRecord ProductInfo;
static const platform::ResetAtStart resetProductInfo([] { ProductInfo = ProductInfoRecord{}; });

namespace modProductInfo {

// Neither build carries the skinning library, so both flags are off.
constexpr bool kSkinsEnabled = false;
constexpr bool kUseSplashIcon = false;

void LoadProductInfo() {
    const platform::version::ProductVersion version = platform::version::OwnVersion();
    ProductInfo.ProductName = version.productName;
    ProductInfo.CompanyName = version.companyName;
    ProductInfo.HomePage = version.comments;
    ProductInfo.SkinsEnabled = kSkinsEnabled;
    ProductInfo.UseSplashIcon = kUseSplashIcon;
}

}  // namespace modProductInfo
