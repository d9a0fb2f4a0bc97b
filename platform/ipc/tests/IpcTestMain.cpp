// Entry of the ipc tests; "--child-..." arguments turn the binary into a helper process.
#include <QCoreApplication>
#include <gtest/gtest.h>

int runChild(const QStringList& args); // IpcChildren.cpp

const char* g_testBinary = nullptr;

int main(int argc, char** argv) {
    g_testBinary = argv[0];
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 1 && args.at(1).startsWith("--child-")) return runChild(args.mid(1));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
