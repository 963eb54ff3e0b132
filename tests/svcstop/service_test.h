#pragma once
// The fixture of the service-layer tests: nightjar's identity and a simulated
// manager that the test stages.
#include "platform/sim/services.h"
#include "svcstop/mod_service_code.h"
#include "tests/support/sim_test.h"

class ServiceTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        m().ownVersion = {"Nightjar", "Quillmere", "www.quillmere.example", 2, 0, 0};
    }

    sim::ServiceManager& scm() { return sim::Services(); }
    sim::SimService& Service(const std::string& name) { return *scm().find(name); }
};
