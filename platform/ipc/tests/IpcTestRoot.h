// A fresh temporary device root for each ipc test; helper processes inherit it.
#pragma once

#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

class IpcTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        setenv("VELMORA_DEVICE_ROOT", dir.path().toUtf8().constData(), 1);
    }
    void TearDown() override { unsetenv("VELMORA_DEVICE_ROOT"); }

    QTemporaryDir dir;
};
