// libFuzzer target: the site of any address, and of any host put behind a
// scheme and before a path. A site holds no slash, so it is its own site; a
// host without slash and colon comes back as it was written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "blocker/ie_class.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

const char* const kSchemes[] = {"", "http://", "https://", "HTTP://", "hTtPs://"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string address(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::string site = windhover::OpenerSite(address);
    Require(site.find('/') == std::string::npos);
    Require(site.size() <= address.size());
    Require(windhover::OpenerSite(site) == site);

    // The first byte cuts the rest into a host and a path.
    const std::size_t cut = data[0] % (address.size() + 1);
    std::string host = address.substr(0, cut);
    for (char& c : host)
        if (c == '/' || c == ':') c = '.';
    const std::string path = address.substr(cut);
    const std::string scheme = kSchemes[data[0] % std::size(kSchemes)];
    Require(windhover::OpenerSite(scheme + host + "/" + path) == host);
    Require(windhover::OpenerSite(scheme + host) == host);
    return 0;
}
