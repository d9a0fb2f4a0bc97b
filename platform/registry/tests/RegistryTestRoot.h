// The shared device-root fixture with the fresh registry's HKEY_CURRENT_USER open.
#pragma once

#include "platform/registry/RegistryKey.h"
#include "platform/testing/DeviceRootTest.h"

namespace velmora::registry {

class RegistryTest : public velmora::testing::DeviceRootTest {
  protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        hkcu = RegistryKey::currentUser();
        ASSERT_TRUE(hkcu.isValid());
    }

    RegistryKey hkcu;
};

} // namespace velmora::registry
