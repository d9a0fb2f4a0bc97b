// The shared device-root fixture with the fresh registry's HKEY_CURRENT_USER open.
#pragma once

#include "platform/registry/RegistryKey.h"
#include "platform/testing/DeviceRootTest.h"

class RegistryTest : public velmora::testing::DeviceRootTest {
  protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        hkcu = velmora::registry::RegistryKey::currentUser();
        ASSERT_TRUE(hkcu.isValid());
    }

    velmora::registry::RegistryKey hkcu;
};
