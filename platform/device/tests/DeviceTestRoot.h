// A fresh temporary device root for each test, with the clock running unless a test freezes it.
#pragma once

#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

class DeviceRootTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        root = dir.path();
        setenv("VELMORA_DEVICE_ROOT", root.toUtf8().constData(), 1);
        unsetenv("VELMORA_NOW");
    }
    void TearDown() override {
        unsetenv("VELMORA_DEVICE_ROOT");
        unsetenv("VELMORA_NOW");
    }

    QTemporaryDir dir;
    QString root;
};
