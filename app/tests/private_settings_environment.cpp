// Every test of the executable that links this file runs against a private
// settings store, also tests that never ask for one: closing a window writes
// the chart colours.
#include "private_settings_store.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class PrivateSettingsEnvironment : public ::testing::Environment {
public:
    void SetUp() override { m_store = std::make_unique<PrivateSettingsStore>(); }
    void TearDown() override { m_store.reset(); }

private:
    std::unique_ptr<PrivateSettingsStore> m_store;
};

const ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new PrivateSettingsEnvironment);

}
