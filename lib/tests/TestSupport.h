// Helpers shared by the library's tests: UTF-16 text and comparing whole records.
#pragma once

#include "VelmoraDay.h"
#include "VelmoraLib.h"

#include <cstring>
#include <string>

namespace velmora::test {

// A record converted afresh, as a client prepares one.
using velmora::freshDay;

inline std::u16string text(const char16_t* s) {
    return std::u16string(s);
}

} // namespace velmora::test

namespace velmora::test {

// Whether two records hold exactly the same values, tables included.
inline bool sameRecord(const LICHVELMORA& a, const LICHVELMORA& b,
                       std::string* firstDifference = nullptr) {
    auto differ = [&](const char* name) {
        if (firstDifference) *firstDifference = name;
        return false;
    };
#define VELMORA_SAME(field)                                                                        \
    if (std::memcmp(&a.field, &b.field, sizeof a.field) != 0) return differ(#field)
    VELMORA_SAME(nGio);
    VELMORA_SAME(nPhut);
    VELMORA_SAME(nGiay);
    VELMORA_SAME(nNgay);
    VELMORA_SAME(nThang);
    VELMORA_SAME(nNam);
    VELMORA_SAME(nThu);
    VELMORA_SAME(nSoNgay);
    VELMORA_SAME(nCanChiGio);
    VELMORA_SAME(nCanChiNgay);
    VELMORA_SAME(nCanChiThang);
    VELMORA_SAME(nCanChiNam);
    VELMORA_SAME(nSao28);
    VELMORA_SAME(nTruc);
    VELMORA_SAME(nNgayAm);
    VELMORA_SAME(nThangAm);
    VELMORA_SAME(nChiSoThang);
    VELMORA_SAME(bNhuan);
    VELMORA_SAME(nSoNgayThangAm);
    VELMORA_SAME(nHoangDaoGio);
    VELMORA_SAME(nLucNhamGio);
    VELMORA_SAME(nJD);
    VELMORA_SAME(nSoSoc);
    VELMORA_SAME(nCanChiThangTiet);
    VELMORA_SAME(nCanChiNamTiet);
    VELMORA_SAME(dTrungKhi);
    VELMORA_SAME(dTietKhi);
    VELMORA_SAME(dSoc);
    VELMORA_SAME(nThangSoc);
    VELMORA_SAME(dMuiGio);
#undef VELMORA_SAME
    return true;
}

} // namespace velmora::test
