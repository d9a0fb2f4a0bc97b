// Parsing the export modes' arguments and writing their files.
#include "tools/velmora-cal/ExportModes.h"

#include "tools/velmora-cal/Arguments.h"
#include "tools/velmora-cal/DayReport.h"
#include "tools/velmora-cal/Text.h"
#if VELMORA_CAL_DEVICE
#include "tools/velmora-cal/ReminderReport.h"
#endif

#include "suite/reminders/CalendarExport.h"

#include "VelmoraLib.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/stat.h>

namespace velmora::cal {

const char* const kExportUsage =
    "  velmora-cal --reminders [--ics FILE]    lịch nhắn của thiết bị, ngày tới và giờ báo;\n"
    "                                          với --ics: ghi thành iCalendar (10 năm tới)\n"
    "  velmora-cal --ics-year NĂM[..NĂM] FILE  âm lịch dạng iCalendar: mùng 1, rằm, 24 tiết khí,\n"
    "                                          lễ tết truyền thống (FILE là - để in ra)\n";

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "velmora-cal: %s\n", message.c_str());
    return 2;
}

bool parseYear(const std::string& text, int& year, std::string& error) {
    if (text.size() != 4 || text.find_first_not_of("0123456789") != std::string::npos) {
        error = "Năm không hợp lệ: \"" + text + "\" (cần dạng YYYY)";
        return false;
    }
    year = std::atoi(text.c_str());
    if (year < kFirstYear || year > kLastYear) {
        error = format("Năm %d nằm ngoài khoảng %d–%d", year, kFirstYear, kLastYear);
        return false;
    }
    return true;
}

// DTSTAMP: now in UTC; VELMORA_NOW freezes it as a Vietnamese local time.
reminders::LocalMoment stampNow() {
    std::time_t t = std::time(nullptr);
    if (const char* frozen = std::getenv("VELMORA_NOW"); frozen && *frozen) {
        std::string error;
        std::string text(frozen);
        if (text.size() > 16) text.resize(16);
        if (const auto d = parseDateTime(text, error)) {
            const double jd = JD(d->day, d->month, d->year, d->hour + d->minute / 60.0);
            const SYSTEMTIME u = JD2ST(jd, -kHomeZone);
            return {{u.wYear, u.wMonth, u.wDay}, u.wHour, u.wMinute, u.wSecond};
        }
    }
    std::tm utc{};
    gmtime_r(&t, &utc);
    return {{utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday}, utc.tm_hour, utc.tm_min, utc.tm_sec};
}

int lunarYearCalendar(const std::vector<std::string>& args) {
    if (args.size() != 2) return fail("--ics-year cần một khoảng năm NĂM[..NĂM] và một FILE");
    const std::string& range = args[0];
    const std::size_t dots = range.find("..");
    int from = 0, to = 0;
    std::string error;
    if (!parseYear(range.substr(0, dots), from, error) ||
        !parseYear(dots == std::string::npos ? range : range.substr(dots + 2), to, error))
        return fail(error);
    if (to < from) return fail(format("Năm cuối %d đứng trước năm đầu %d", to, from));
    if (!writeOutput(args[1], reminders::lunarCalendar(from, to, stampNow()), error)) {
        std::fprintf(stderr, "velmora-cal: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

// Why a file could not be written, in the user's words.
const char* writeFailureText(int why) {
    switch (why) {
    case ENOSPC:
        return "ổ đĩa đã đầy";
    case ENOENT:
        return "không có thư mục này";
    case EISDIR:
        return "đó là một thư mục";
    case EACCES:
    case EPERM:
        return "không có quyền ghi";
    case EROFS:
        return "ổ đĩa chỉ đọc";
    case EPIPE:
        return "nơi nhận đã đóng";
    case EIO:
        return "lỗi vào ra";
    default:
        return "lỗi khi ghi";
    }
}

bool writeAll(std::FILE* f, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), f) == text.size() && std::fflush(f) == 0;
}

} // namespace

bool writeOutput(const std::string& path, const std::string& text, std::string& error) {
    const auto failed = [&](const std::string& target) {
        error = "Không ghi được file " + target + ": " + writeFailureText(errno);
        return false;
    };
    if (path == "-") return writeAll(stdout, text) || failed("(đầu ra)");
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return failed(path);
    }
    if (exists && !S_ISREG(st.st_mode)) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) return failed(path);
        const bool ok = writeAll(f, text);
        const int saved = errno;
        const bool closed = std::fclose(f) == 0;
        errno = saved;
        return (ok && closed) || failed(path);
    }
    // A regular file is replaced whole or not at all.
    const std::string temporary = path + ".velmora-tmp";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f) return failed(path);
    bool ok = writeAll(f, text);
    int saved = errno;
    ok = std::fclose(f) == 0 && ok;
    if (ok && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    saved = errno;
    std::remove(temporary.c_str());
    errno = saved;
    return failed(path);
}

int runExportMode(const std::string& command, const std::vector<std::string>& args) {
    if (command == "--ics-year") return lunarYearCalendar(args);
    if (command != "--reminders" && command != "--ics") return -1;
    std::string icsPath;
    std::vector<std::string> rest = args;
    if (command == "--ics") rest.insert(rest.begin(), "--ics");
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--ics" && i + 1 < rest.size() && icsPath.empty())
            icsPath = rest[++i];
        else if (rest[i] == "--ics")
            return fail("--ics cần đúng một FILE");
        else
            return fail("Thừa tham số: " + rest[i]);
    }
#if VELMORA_CAL_DEVICE
    return printDeviceReminders(icsPath);
#else
    return fail(
        "Bản velmora-cal này được dựng không có lớp thiết bị, nên không đọc được lịch nhắn");
#endif
}

} // namespace velmora::cal
