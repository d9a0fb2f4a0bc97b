// The GoogleTest fixture over TestDeviceRoot: each case gets a fresh device root.
#pragma once

#include "platform/testing/TestDeviceRoot.h"

#include <gtest/gtest.h>
#include <memory>

namespace velmora::testing {

class DeviceRootTest : public ::testing::Test {
  protected:
    void SetUp() override {
        device = std::make_unique<TestDeviceRoot>();
        ASSERT_TRUE(device->isValid());
        root = device->path();
    }
    void TearDown() override { device.reset(); }

    std::unique_ptr<TestDeviceRoot> device;
    QString root; // the root's host folder
};

} // namespace velmora::testing
