// A fresh device root per test, so each case starts from an empty registry.
#pragma once

#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

class WeatherRegistryTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        setenv("VELMORA_DEVICE_ROOT", root.path().toUtf8().constData(), 1);
    }
    void TearDown() override { unsetenv("VELMORA_DEVICE_ROOT"); }

    QTemporaryDir root;
};
