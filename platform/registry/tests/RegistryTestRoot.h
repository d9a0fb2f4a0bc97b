// A fresh temporary device root, and so a fresh registry, for each registry test.
#pragma once

#include "RegistryKey.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

class RegistryTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        root = dir.path();
        setenv("VELMORA_DEVICE_ROOT", root.toUtf8().constData(), 1);
        hkcu = velmora::registry::RegistryKey::currentUser();
        ASSERT_TRUE(hkcu.isValid());
    }
    void TearDown() override { unsetenv("VELMORA_DEVICE_ROOT"); }

    QTemporaryDir dir;
    QString root;
    velmora::registry::RegistryKey hkcu;
};
