// A service's record, and the collection of them keyed by name.
#include "svcstop/c_services.h"

#include "platform/text_fold.h"

namespace nightjar {

std::string ServiceKey(const std::string& serviceName) { return platform::UpperCased(serviceName); }

void ServiceCollection::Add(std::unique_ptr<CServices> record) { records_.push_back(std::move(record)); }

CServices* ServiceCollection::Item(const std::string& key) const {
    const std::string wanted = ServiceKey(key);
    for (const auto& record : records_)
        if (ServiceKey(record->ServiceName) == wanted) return record.get();
    return nullptr;
}

}  // namespace nightjar
