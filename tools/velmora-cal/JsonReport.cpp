// Every field of the day record as one JSON object, with the fields' own names.
#include "tools/velmora-cal/JsonReport.h"

#include "tools/velmora-cal/Text.h"

namespace velmora::cal {

namespace {

std::string number(double v) {
    return format("%.17g", v);
}
std::string number(int v) {
    return format("%d", v);
}

template <typename T, size_t N> std::string array(const T (&values)[N]) {
    std::string out = "[";
    for (size_t i = 0; i < N; ++i) out += (i ? "," : "") + number(values[i]);
    return out + "]";
}

} // namespace

std::string jsonReport(const LICHVELMORA& r) {
    std::string out = "{";
    auto field = [&](const char* name, const std::string& value) {
        if (out.size() > 1) out += ",";
        out += "\n  \"";
        out += name;
        out += "\": " + value;
    };
    field("nGio", number(r.nGio));
    field("nPhut", number(r.nPhut));
    field("nGiay", number(r.nGiay));
    field("nNgay", number(r.nNgay));
    field("nThang", number(r.nThang));
    field("nNam", number(r.nNam));
    field("nThu", number(r.nThu));
    field("nSoNgay", number(r.nSoNgay));
    field("nCanChiGio", number(r.nCanChiGio));
    field("nCanChiNgay", number(r.nCanChiNgay));
    field("nCanChiThang", number(r.nCanChiThang));
    field("nCanChiNam", number(r.nCanChiNam));
    field("nSao28", number(r.nSao28));
    field("nTruc", number(r.nTruc));
    field("nNgayAm", number(r.nNgayAm));
    field("nThangAm", number(r.nThangAm));
    field("nChiSoThang", number(r.nChiSoThang));
    field("bNhuan", number(static_cast<int>(r.bNhuan)));
    field("nSoNgayThangAm", number(r.nSoNgayThangAm));
    field("nHoangDaoGio", number(r.nHoangDaoGio));
    field("nLucNhamGio", number(r.nLucNhamGio));
    field("nJD", number(r.nJD));
    field("nSoSoc", number(r.nSoSoc));
    field("nCanChiThangTiet", number(r.nCanChiThangTiet));
    field("nCanChiNamTiet", number(r.nCanChiNamTiet));
    field("dTrungKhi", array(r.dTrungKhi));
    field("dTietKhi", array(r.dTietKhi));
    field("dSoc", array(r.dSoc));
    field("nThangSoc", array(r.nThangSoc));
    field("dMuiGio", number(r.dMuiGio));
    return out + "\n}\n";
}

} // namespace velmora::cal
