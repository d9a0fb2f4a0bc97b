// velmora-cal: the Vietnamese lunar calendar in a terminal.
#include "tools/velmora-cal/AlmanacReport.h"
#include "tools/velmora-cal/Arguments.h"
#include "tools/velmora-cal/ChartReport.h"
#include "tools/velmora-cal/DayReport.h"
#include "tools/velmora-cal/ExportModes.h"
#include "tools/velmora-cal/JsonReport.h"
#include "tools/velmora-cal/LunarLookup.h"
#include "tools/velmora-cal/MonthGrid.h"
#include "tools/velmora-cal/Text.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

using namespace velmora::cal;

namespace {

constexpr const char* kUsage =
    "Cách dùng:\n"
    "  velmora-cal [YYYY-MM-DD[THH:MM]]        một ngày (mặc định: bây giờ, giờ Việt Nam)\n"
    "  velmora-cal --json YYYY-MM-DD[THH:MM]   mọi trường của bản ghi ngày, dạng JSON\n"
    "  velmora-cal --lunar D/M/YYYY [--leap]   ngày dương lịch của một ngày âm lịch\n"
    "  velmora-cal --month YYYY-MM             lịch tháng, thứ hai đầu tuần\n"
    "  velmora-cal --riseset YYYY-MM-DD [--lat X --lon Y --tz Z]\n"
    "                                          giờ mọc, lặn của Mặt trời và Mặt trăng\n"
    "  velmora-cal --almanac YYYY-MM-DD [--html]\n"
    "                                          lịch vạn sự của ngày (chữ, hoặc tài liệu HTML)\n"
    "  velmora-cal --tu-vi YYYY-MM-DDTHH:MM --nam|--nu [--json]\n"
    "                                          lá số tử vi của người sinh lúc đó\n"
    "  velmora-cal --tu-tru YYYY-MM-DDTHH:MM --nam|--nu [--json]\n"
    "                                          tứ trụ, đại vận và lưu niên\n";

int fail(const std::string& message) {
    std::fprintf(stderr, "velmora-cal: %s\n", message.c_str());
    return 2;
}

// The present in Vietnam (zone +7), or the frozen time of VELMORA_NOW.
std::optional<DateTime> now(std::string& error) {
    if (const char* frozen = std::getenv("VELMORA_NOW"); frozen && *frozen) {
        std::string text(frozen);
        if (text.size() > 16) text.resize(16); // seconds are not shown
        return parseDateTime(text, error);
    }
    const std::time_t t = std::time(nullptr) + kHomeZone * 3600;
    std::tm utc{};
    gmtime_r(&t, &utc);
    DateTime d;
    d.year = utc.tm_year + 1900;
    d.month = utc.tm_mon + 1;
    d.day = utc.tm_mday;
    d.hour = utc.tm_hour;
    d.minute = utc.tm_min;
    return d;
}

int printDay(const std::vector<std::string>& args, bool json) {
    std::string error;
    std::optional<DateTime> t;
    if (args.empty()) {
        if (json) return fail("--json cần một ngày YYYY-MM-DD[THH:MM]");
        t = now(error);
    } else if (args.size() == 1) {
        t = parseDateTime(args[0], error);
    } else {
        return fail("Thừa tham số: " + args[1]);
    }
    if (!t) return fail(error);
    const LICHVELMORA rec = convertDay(t->year, t->month, t->day, t->hour, t->minute);
    std::fputs(json ? jsonReport(rec).c_str() : dayReport(rec).c_str(), stdout);
    return 0;
}

int printLunar(const std::vector<std::string>& args) {
    std::string text;
    bool leap = false;
    for (const auto& a : args) {
        if (a == "--leap")
            leap = true;
        else if (text.empty())
            text = a;
        else
            return fail("Thừa tham số: " + a);
    }
    if (text.empty()) return fail("--lunar cần một ngày âm lịch D/M/YYYY");
    std::string error;
    const auto date = parseLunarDate(text, error);
    if (!date) return fail(error);
    const LunarLookup found = solarOfLunar(date->day, date->month, date->year, leap);
    if (!found.found) return fail(found.error);
    const LICHVELMORA& r = found.day;
    std::printf("%s, %02d/%02d/%04d: ngày %d %s, năm %s\n", utf8(g_sThu[r.nThu]).c_str(), r.nNgay,
                r.nThang, r.nNam, r.nNgayAm, lunarMonthText(r).c_str(),
                canChi(r.nCanChiNam).c_str());
    return 0;
}

int printMonth(const std::vector<std::string>& args) {
    if (args.size() != 1) return fail("--month cần đúng một tháng YYYY-MM");
    std::string error;
    const auto ym = parseYearMonth(args[0], error);
    if (!ym) return fail(error);
    std::fputs(monthGrid(ym->year, ym->month).c_str(), stdout);
    return 0;
}

int printRiseSet(const std::vector<std::string>& args) {
    std::string dateText, error;
    double latitude = kHomeLatitude, longitude = kHomeLongitude, zone = kHomeZone;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--lat" || a == "--lon" || a == "--tz") {
            if (i + 1 >= args.size()) return fail("Thiếu giá trị sau " + a);
            const std::string& v = args[++i];
            std::optional<double> n;
            if (a == "--lat") n = parseNumber(v, -89.9, 89.9, "Vĩ độ", error);
            if (a == "--lon") n = parseNumber(v, -180.0, 180.0, "Kinh độ", error);
            if (a == "--tz") n = parseNumber(v, -12.0, 14.0, "Múi giờ", error);
            if (!n) return fail(error);
            if (a == "--tz" && *n != static_cast<int>(*n))
                return fail("Múi giờ phải là số giờ nguyên");
            (a == "--lat" ? latitude : a == "--lon" ? longitude : zone) = *n;
        } else if (dateText.empty()) {
            dateText = a;
        } else {
            return fail("Thừa tham số: " + a);
        }
    }
    if (dateText.empty()) return fail("--riseset cần một ngày YYYY-MM-DD");
    const auto t = parseDateTime(dateText, error);
    if (!t) return fail(error);
    std::fputs(riseSetReport(t->year, t->month, t->day, latitude, longitude, static_cast<int>(zone))
                   .c_str(),
               stdout);
    return 0;
}

int printAlmanac(const std::vector<std::string>& args) {
    std::string dateText;
    bool html = false;
    for (const auto& a : args) {
        if (a == "--html")
            html = true;
        else if (dateText.empty())
            dateText = a;
        else
            return fail("Thừa tham số: " + a);
    }
    if (dateText.empty()) return fail("--almanac cần một ngày YYYY-MM-DD");
    std::string error;
    const auto t = parseDateTime(dateText, error);
    if (!t) return fail(error);
    const LICHVELMORA rec = convertDay(t->year, t->month, t->day, t->hour, t->minute);
    const AlmanacReport report = almanacReport(rec, html);
    // A missing star file is reported, and the reading goes on without its stars.
    for (const auto& w : report.warnings) std::fprintf(stderr, "velmora-cal: %s\n", w.c_str());
    std::fputs(report.text.c_str(), stdout);
    return 0;
}

int printChart(const std::string& mode, const std::vector<std::string>& args) {
    std::string error;
    const std::optional<DateTime> t = now(error); // the current year places the year's stars
    if (!t) return fail(error);
    const int currentYear = convertDay(t->year, t->month, t->day, t->hour, t->minute).nCanChiNam;
    const ChartReport report = chartReport(mode, args, currentYear);
    if (!report.ok) return fail(report.error);
    for (const auto& w : report.warnings) std::fprintf(stderr, "velmora-cal: %s\n", w.c_str());
    std::fputs(report.text.c_str(), stdout);
    return 0;
}

int run(const std::vector<std::string>& args) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(kUsage, stdout);
        std::fputs(kExportUsage, stdout);
        return 0;
    }
    if (args.empty() || args[0].rfind("--", 0) != 0) return printDay(args, false);
    const std::string command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--json") return printDay(rest, true);
    if (command == "--lunar") return printLunar(rest);
    if (command == "--month") return printMonth(rest);
    if (command == "--riseset") return printRiseSet(rest);
    if (command == "--almanac") return printAlmanac(rest);
    if (command == "--tu-vi" || command == "--tu-tru") return printChart(command, rest);
    if (const int exported = runExportMode(command, rest); exported >= 0) return exported;
    return fail("Tham số không rõ: " + command + " (xem velmora-cal --help)");
}

} // namespace

int main(int argc, char** argv) {
    const int status = run(std::vector<std::string>(argv + 1, argv + argc));
    // Output that could not be written (a full disk, a closed pipe) is a failure, not a success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int why = errno;
        std::fprintf(stderr, "velmora-cal: không ghi được kết quả: %s\n",
                     why == ENOSPC  ? "ổ đĩa đã đầy"
                     : why == EPIPE ? "nơi nhận đã đóng"
                     : why == EIO   ? "lỗi vào ra"
                                    : "lỗi khi ghi");
        return status != 0 ? status : 1;
    }
    return status;
}
