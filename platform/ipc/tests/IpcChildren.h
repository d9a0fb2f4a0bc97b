// What the helper processes of the ipc tests answer, shared by the tests that talk to them.
#pragma once

#include <QProcess>
#include <QString>
#include <cstdint>

namespace velmora::ipc::test {

constexpr uint32_t msgAdd = 0x0400;      // send: returns wParam + lParam
constexpr uint32_t msgRemember = 0x0401; // post: adds lParam to a sum
constexpr uint32_t msgRecall = 0x0402;   // send: returns the sum
constexpr uint32_t msgClose = 0x0010;    // post: the helper ends
constexpr uint32_t msgSlow = 0x0403;     // send: answers 1 after 1.5 s
constexpr int32_t pingAnswer = 77;       // answer to the registered "VelmoraTestPing"
inline const char* pingName = "VelmoraTestPing";

// Starts this test binary as a helper with the given role and arguments.
void startChild(QProcess& process, const QStringList& args);
// The next line the helper prints, without its newline; empty after timeoutMs.
QString readLine(QProcess& process, int timeoutMs = 10000);

} // namespace velmora::ipc::test
