// Entry of the registry tests; "--increment ROOT N" turns the binary into a competing writer.
#include "platform/registry/RegistryKey.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

const char* g_testBinary = nullptr;

namespace {

// Adds 1 to HKCU\Software\Test\Counter n times, each in its own read-modify-write transaction.
int incrementCounter(const char* root, int n) {
    setenv("VELMORA_DEVICE_ROOT", root, 1);
    using namespace velmora::registry;
    for (int i = 0; i < n; ++i) {
        RegistryKey key;
        if (RegistryKey::currentUser().create("Software\\Test", &key) != Status::Success) return 1;
        if (key.updateDword("Counter", [](uint32_t v) { return v + 1; }) != Status::Success)
            return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    g_testBinary = argv[0];
    if (argc == 4 && std::strcmp(argv[1], "--increment") == 0)
        return incrementCounter(argv[2], std::atoi(argv[3]));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
