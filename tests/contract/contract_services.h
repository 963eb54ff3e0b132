#pragma once
// The contract rows of the Service Control Manager (contract_services.cpp).

namespace contract {

void Services();

}  // namespace contract
