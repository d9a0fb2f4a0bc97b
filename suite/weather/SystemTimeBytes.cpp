// Decoding and encoding the stored form of a SYSTEMTIME, field by field.
#include "suite/weather/SystemTimeBytes.h"

#include <QtEndian>

namespace velmora::weather {

namespace {
uint16_t SYSTEMTIME::*const kFields[] = {
    &SYSTEMTIME::wYear, &SYSTEMTIME::wMonth,  &SYSTEMTIME::wDayOfWeek, &SYSTEMTIME::wDay,
    &SYSTEMTIME::wHour, &SYSTEMTIME::wMinute, &SYSTEMTIME::wSecond,    &SYSTEMTIME::wMilliseconds};
} // namespace

SYSTEMTIME decodeSystemTime(const QByteArray& bytes) {
    SYSTEMTIME time{};
    if (bytes.size() != kSystemTimeSize) return time;
    int offset = 0;
    for (auto field : kFields) {
        time.*field = qFromLittleEndian<quint16>(bytes.constData() + offset);
        offset += 2;
    }
    return time;
}

QByteArray encodeSystemTime(const SYSTEMTIME& time) {
    QByteArray bytes(kSystemTimeSize, '\0');
    int offset = 0;
    for (auto field : kFields) {
        qToLittleEndian<quint16>(time.*field, bytes.data() + offset);
        offset += 2;
    }
    return bytes;
}

} // namespace velmora::weather
