// libFuzzer target: the local address over any address table: any rows, a
// row count that claims more or fewer than the answer holds, rows that come
// between the size query and the fill, a failing query. The answer is empty
// or the dotted form of one of the machine's addresses; it is one that is not
// passed over whenever the table the lookup read has such a row.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sim/sim.h"
#include "svcstop/mod_ip.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

std::string Dotted(const sim::IpAddress& a) {
    return std::to_string(a[0]) + "." + std::to_string(a[1]) + "." + std::to_string(a[2]) + "." + std::to_string(a[3]);
}

bool PassedOver(const std::string& text) {
    return text.rfind("127", 0) == 0 || text.rfind("169", 0) == 0 || text.rfind("192", 0) == 0;
}

}  // namespace

// Input: a flags byte (bit 0: a claimed row count follows, bit 1: the query
// fails, bits 2-4: how many of the rows come after the first call), the
// claimed count, then four bytes a row.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    sim::Reset();
    sim::IpTable& table = sim::Ip();
    const std::uint8_t flags = data[0];
    if (flags & 1) table.claimedRows = data[1];
    if (flags & 2) table.failure = 50 + data[1] % 3;
    std::vector<sim::IpAddress> rows;
    for (std::size_t at = 2; at + 4 <= size; at += 4)
        rows.push_back({data[at], data[at + 1], data[at + 2], data[at + 3]});
    const std::size_t late = std::min<std::size_t>((flags >> 2) & 7, rows.size());
    table.addresses.assign(rows.begin(), rows.end() - static_cast<std::ptrdiff_t>(late));
    table.addedAfterFirstCall.assign(rows.end() - static_cast<std::ptrdiff_t>(late), rows.end());

    const std::string address = nightjar::modIP::GetLocalIPAddress();

    bool known = address.empty();
    for (const sim::IpAddress& row : rows) known = known || address == Dotted(row);
    Require(known);
    if (table.failure) Require(address.empty());
    // With every row there from the start, a count that tells the truth and
    // rows the lookup takes, the answer is one that is not passed over if the
    // table has one.
    if (!table.failure && late == 0 && !table.claimedRows && !rows.empty() && rows.size() <= 6) {
        bool any = false;
        for (const sim::IpAddress& row : rows) any = any || !PassedOver(Dotted(row));
        Require(!address.empty());
        Require(PassedOver(address) != any);
    }
    return 0;
}
