// The frames that travel on an endpoint's socket: a request of 13 bytes, a reply of 4.
#pragma once

#include <QByteArray>
#include <QtEndian>
#include <cstdint>

namespace velmora::ipc::wire {

enum Kind : uint8_t { Send = 1, Post = 2 };

constexpr int requestSize = 13; // kind, msg, wParam, lParam (little-endian)
constexpr int replySize = 4;    // the handler's result

struct Request {
    uint8_t kind;
    uint32_t msg;
    uint32_t wParam;
    int32_t lParam;
};

inline QByteArray encode(const Request& r) {
    QByteArray bytes(requestSize, '\0');
    bytes[0] = char(r.kind);
    qToLittleEndian<quint32>(r.msg, bytes.data() + 1);
    qToLittleEndian<quint32>(r.wParam, bytes.data() + 5);
    qToLittleEndian<qint32>(r.lParam, bytes.data() + 9);
    return bytes;
}

inline Request decode(const char* bytes) {
    return Request{uint8_t(bytes[0]), qFromLittleEndian<quint32>(bytes + 1),
                   qFromLittleEndian<quint32>(bytes + 5), qFromLittleEndian<qint32>(bytes + 9)};
}

inline QByteArray encodeReply(int32_t result) {
    QByteArray bytes(replySize, '\0');
    qToLittleEndian<qint32>(result, bytes.data());
    return bytes;
}

} // namespace velmora::ipc::wire
