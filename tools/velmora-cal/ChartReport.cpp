// The purple-star chart and the four pillars as text and JSON.
#include "tools/velmora-cal/ChartReport.h"

#include "VelmoraDay.h"
#include "suite/charts/ByteFields.h"
#include "suite/charts/FourPillars.h"
#include "suite/charts/PurpleStarChart.h"
#include "suite/text/Utf.h"
#include "tools/velmora-cal/Arguments.h"
#include "tools/velmora-cal/Text.h"

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace velmora::cal {

namespace {

std::filesystem::path dataFolder() {
    if (const char* dir = std::getenv("VELMORA_DATA_DIR"); dir && *dir) return dir;
    return VELMORA_CAL_DATA_DIR;
}

std::string u8(std::u16string_view s) {
    return text::utf16ToUtf8(s);
}

std::string branchName(int branch) {
    return utf8(g_sChi[((branch % 12) + 12) % 12]);
}

// A JSON string with the characters JSON requires escaped.
std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            out += format("\\u%04x", c);
            continue;
        }
        out += c;
    }
    return out + "\"";
}

std::string indexed(int index, const std::string& name) {
    return format("{\"index\": %d, \"name\": %s}", index, quoted(name).c_str());
}

std::string canChiJson(int index) {
    return indexed(index, canChi(index));
}

// A list of JSON values in brackets.
std::string list(const std::vector<std::string>& items, const char* separator = ", ") {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? separator : "") + items[i];
    return out + "]";
}

// Text padded with spaces to `width` characters (not bytes: the names are Vietnamese).
std::string pad(const std::string& text, std::size_t width) {
    std::size_t characters = 0;
    for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return characters >= width ? text + " " : text + std::string(width - characters, ' ');
}

// The birth record the arguments describe, or an error.
bool parseBirth(const std::string& mode, const std::vector<std::string>& args,
                charts::BirthRecord& birth, bool& json, std::string& error) {
    std::string when;
    int sex = -1;
    json = false;
    for (const std::string& a : args) {
        if (a == "--nam" || a == "--nu") {
            if (sex >= 0) {
                error = "Chỉ chọn một trong --nam và --nu";
                return false;
            }
            sex = a == "--nam" ? 1 : 0;
        } else if (a == "--json") {
            json = true;
        } else if (when.empty() && a.rfind("--", 0) != 0) {
            when = a;
        } else {
            error = "Thừa tham số: " + a;
            return false;
        }
    }
    if (when.empty() || sex < 0) {
        error = mode + " cần ngày giờ sinh YYYY-MM-DDTHH:MM và --nam hoặc --nu";
        return false;
    }
    if (when.find('T') == std::string::npos) {
        error = "Cần cả giờ sinh: \"" + when + "\" (dạng YYYY-MM-DDTHH:MM)";
        return false;
    }
    const std::optional<DateTime> t = parseDateTime(when, error);
    if (!t) return false;
    birth = charts::BirthRecord{};
    birth.year = t->year;
    birth.month = static_cast<std::int8_t>(t->month);
    birth.day = static_cast<std::int8_t>(t->day);
    birth.hour = static_cast<std::int8_t>(t->hour);
    birth.minute = static_cast<std::int8_t>(t->minute);
    birth.sex = static_cast<std::int8_t>(sex);
    return true;
}

std::string birthLine(const charts::BirthRecord& b) {
    return format("%02d/%02d/%04d %02d:%02d, %s", b.day, b.month, b.year, b.hour, b.minute,
                  charts::isMale(b) ? "Nam" : "Nữ");
}

// ---------------------------------------------------------------- the purple-star chart

struct PlacedStar {
    std::string name;     // without the strength letter
    std::string strength; // "" when the star has none here
    const charts::ChartStar* star;
};

std::vector<PlacedStar> starsOf(const charts::ChartPalace& palace) {
    std::vector<PlacedStar> stars;
    for (int i = 0; i < palace.starCount && i < charts::kStarsPerPalace; ++i) {
        const charts::ChartStar& s = palace.stars[i];
        std::u16string name = charts::fieldText(s.longName);
        if (s.strength != 0 && name.size() >= 4) name.resize(name.size() - 4);
        stars.push_back({u8(name), s.strength ? u8(std::u16string(1, s.strength)) : "", &s});
    }
    return stars;
}

std::string purpleStarText(const charts::PurpleStarChart& c, int currentYear) {
    const charts::BirthRecord& b = c.birth;
    const bool male = charts::isMale(b);
    std::string out = "Lá số tử vi: sinh " + birthLine(b) + "\n";
    out += format("Âm lịch: ngày %d tháng %d năm %s, giờ %s\n", b.lunarDay, b.lunarMonth,
                  canChi(b.yearIndex).c_str(), canChi(b.hourIndex).c_str());
    out += std::string(b.yearIndex % 2 == 0 ? "Dương " : "Âm ") + (male ? "Nam" : "Nữ") +
           "; Mệnh: " + u8(charts::fieldText(c.yearSoundName)) +
           "; Cục: " + u8(charts::bureauName(c.bureau)) + "\n";
    out += "Cung Mệnh: " + branchName(c.lifePalace) + "; cung Thân: " + branchName(c.bodyPalace) +
           "; Tuần: " + branchName(c.tuan) + ", " + branchName(c.tuan + 1) +
           "; Triệt: " + branchName(c.triet) + ", " + branchName(c.triet + 1) + "\n";
    out += "Năm xem: " + canChi(currentYear) + "\n\n";
    for (int p = 0; p < charts::kPalaceCount; ++p) {
        const charts::ChartPalace& palace = c.palaces[p];
        std::string name = u8(charts::palaceName(palace.nameIndex, male));
        if (c.bodyPalace == p) name += " (THÂN)";
        out += pad(branchName(p), 6) + pad(name, 20) +
               format("đại hạn %3d, tiểu hạn %s\n", palace.decadeAge,
                      branchName(palace.smallLimitBranch).c_str());
        std::string line;
        for (const PlacedStar& s : starsOf(palace)) {
            line += (line.empty() ? "" : ", ") + s.name;
            if (!s.strength.empty()) line += " (" + s.strength + ")";
        }
        out += "      " + (line.empty() ? std::string("(không có sao)") : line) + "\n";
    }
    return out;
}

std::string purpleStarJson(const charts::PurpleStarChart& c, int currentYear) {
    const charts::BirthRecord& b = c.birth;
    const bool male = charts::isMale(b);
    std::vector<std::string> palaces;
    for (int p = 0; p < charts::kPalaceCount; ++p) {
        const charts::ChartPalace& palace = c.palaces[p];
        std::vector<std::string> stars;
        for (const PlacedStar& s : starsOf(palace))
            stars.push_back(
                format("{\"id\": %d, \"name\": %s, \"strength\": %s, \"main\": %s, \"good\": %s, "
                       "\"element\": %d}",
                       s.star->id, quoted(s.name).c_str(), quoted(s.strength).c_str(),
                       s.star->id < charts::kMainStarIdLimit ? "true" : "false",
                       s.star->good ? "true" : "false", s.star->element));
        palaces.push_back(
            format("\n    {\"branch\": %s, \"name\": %s, \"nameIndex\": %d, \"body\": %s, "
                   "\"decadeAge\": %d, \"smallLimit\": %s,\n     \"stars\": %s}",
                   indexed(p, branchName(p)).c_str(),
                   quoted(u8(charts::palaceName(palace.nameIndex, male))).c_str(), palace.nameIndex,
                   c.bodyPalace == p ? "true" : "false", palace.decadeAge,
                   indexed(palace.smallLimitBranch, branchName(palace.smallLimitBranch)).c_str(),
                   list(stars).c_str()));
    }
    std::string out = "{\n";
    out += format("  \"birth\": \"%04d-%02d-%02dT%02d:%02d\",\n", b.year, b.month, b.day, b.hour,
                  b.minute);
    out += "  \"sex\": " + quoted(male ? "Nam" : "Nữ") + ",\n";
    out += format("  \"lunarDay\": %d,\n  \"lunarMonth\": %d,\n", b.lunarDay, b.lunarMonth);
    out += "  \"year\": " + canChiJson(b.yearIndex) + ",\n";
    out += "  \"month\": " + canChiJson(b.monthIndex) + ",\n";
    out += "  \"day\": " + canChiJson(b.dayIndex) + ",\n";
    out += "  \"hour\": " + canChiJson(b.hourIndex) + ",\n";
    out += "  \"yinYang\": " +
           quoted(std::string(b.yearIndex % 2 == 0 ? "Dương " : "Âm ") + (male ? "Nam" : "Nữ")) +
           ",\n";
    out +=
        "  \"sound\": " + indexed(b.yearIndex / 2, u8(charts::fieldText(c.yearSoundName))) + ",\n";
    out += format("  \"bureau\": {\"index\": %d, \"name\": %s, \"number\": %d},\n", c.bureau,
                  quoted(u8(charts::bureauName(c.bureau))).c_str(), charts::bureauNumber(c.bureau));
    out += "  \"lifePalace\": " + indexed(c.lifePalace, branchName(c.lifePalace)) + ",\n";
    out += "  \"bodyPalace\": " + indexed(c.bodyPalace, branchName(c.bodyPalace)) + ",\n";
    out += "  \"tuan\": " +
           list({indexed(c.tuan, branchName(c.tuan)),
                 indexed((c.tuan + 1) % 12, branchName(c.tuan + 1))}) +
           ",\n";
    out += "  \"triet\": " +
           list({indexed(c.triet, branchName(c.triet)),
                 indexed((c.triet + 1) % 12, branchName(c.triet + 1))}) +
           ",\n";
    out += "  \"currentYear\": " + canChiJson(currentYear) + ",\n";
    out += "  \"palaces\": " + list(palaces, ",") + "\n}\n";
    return out;
}

// ---------------------------------------------------------------- the four pillars

std::string name(std::u16string_view s) {
    return u8(s);
}

std::string hiddenText(const std::int32_t (&hidden)[3], const std::int32_t (&gods)[3],
                       const std::int32_t (&stages)[3]) {
    std::string out;
    for (int k = 0; k < 3; ++k) {
        if (hidden[k] == charts::kNone) continue;
        out += (out.empty() ? "" : ", ") + utf8(g_sCan[hidden[k]]) + " (" +
               name(charts::tenGodName(gods[k], false)) + ", " +
               name(charts::lifeStageName(stages[k], false)) + ")";
    }
    return out;
}

std::string hiddenJson(const std::int32_t (&hidden)[3], const std::int32_t (&gods)[3],
                       const std::int32_t (&stages)[3]) {
    std::vector<std::string> items;
    for (int k = 0; k < 3; ++k) {
        if (hidden[k] == charts::kNone) continue;
        items.push_back(
            "{\"stem\": " + indexed(hidden[k], utf8(g_sCan[hidden[k]])) +
            ", \"tenGod\": " + indexed(gods[k], name(charts::tenGodName(gods[k], false))) +
            ", \"stage\": " + indexed(stages[k], name(charts::lifeStageName(stages[k], false))) +
            "}");
    }
    return list(items);
}

std::string tenGodJson(int god) {
    if (god == charts::kNone) return "null";
    return indexed(god, name(charts::tenGodName(god, false)));
}

std::string fourPillarsText(charts::PillarSet& set, const charts::BirthRecord& b) {
    static const char* const titles[4] = {"Năm", "Tháng", "Ngày", "Giờ"};
    std::string out = "Tứ trụ: sinh " + birthLine(b) + "\n\n";
    for (int i = 0; i < 4; ++i) {
        const charts::Pillar& p = set.pillars[i];
        const std::string god =
            i == charts::DayPillarAt ? "nhật chủ" : name(charts::tenGodName(p.tenGod, false));
        out += pad(titles[i], 7) + pad(canChi(p.index), 11) + pad(god, 13) +
               name(charts::lifeStageName(p.stageOwn, false)) +
               " / tại tháng: " + name(charts::lifeStageName(p.stageMonth, false)) + "\n";
        out += "       tàng can: " + hiddenText(p.hidden, p.hiddenTenGod, p.hiddenStage) + "\n";
    }
    out +=
        format("\nĐại vận: %s, khởi vận %d tuổi\n", set.forward ? "thuận" : "nghịch", set.startAge);
    for (int luck = 0; luck < 10; ++luck) {
        charts::chooseFirstLuck(set, luck);
        const charts::LuckPillar& l = set.lucks[0];
        out += pad(u8(charts::luckAgeText(l.age)), 7) + pad(canChi(l.index), 11) +
               pad(name(charts::tenGodName(l.tenGod, false)), 13) +
               pad(name(charts::lifeStageName(l.stageOwn, false)), 13) +
               "tàng can: " + hiddenText(l.hidden, l.hiddenTenGod, l.hiddenStage) + "\n";
        std::string years;
        for (const charts::YearPillar& y : set.years)
            years += (years.empty() ? "" : ", ") + u8(charts::yearAgeText(set, y.age)) + " " +
                     canChi(y.index);
        out += "       lưu niên: " + years + "\n";
    }
    charts::chooseFirstLuck(set, 0);
    return out;
}

std::string fourPillarsJson(charts::PillarSet& set, const charts::BirthRecord& b) {
    static const char* const keys[4] = {"year", "month", "day", "hour"};
    std::string out = "{\n";
    out += format("  \"birth\": \"%04d-%02d-%02dT%02d:%02d\",\n", b.year, b.month, b.day, b.hour,
                  b.minute);
    out += "  \"sex\": " + quoted(charts::isMale(b) ? "Nam" : "Nữ") + ",\n";
    out += "  \"pillars\": {";
    for (int i = 0; i < 4; ++i) {
        const charts::Pillar& p = set.pillars[i];
        out +=
            format("%s\n    \"%s\": {\"pillar\": %s, \"stem\": %s, \"branch\": %s, \"tenGod\": "
                   "%s,\n      \"stage\": %s, \"stageAtMonth\": %s, \"hidden\": %s}",
                   i ? "," : "", keys[i], canChiJson(p.index).c_str(),
                   indexed(p.stem, utf8(g_sCan[p.stem])).c_str(),
                   indexed(p.branch, branchName(p.branch)).c_str(), tenGodJson(p.tenGod).c_str(),
                   indexed(p.stageOwn, name(charts::lifeStageName(p.stageOwn, false))).c_str(),
                   indexed(p.stageMonth, name(charts::lifeStageName(p.stageMonth, false))).c_str(),
                   hiddenJson(p.hidden, p.hiddenTenGod, p.hiddenStage).c_str());
    }
    out += "\n  },\n";
    out += format("  \"lucks\": {\"direction\": %s, \"startAge\": %d, \"periods\": [",
                  quoted(set.forward ? "thuận" : "nghịch").c_str(), set.startAge);
    for (int luck = 0; luck < 10; ++luck) {
        charts::chooseFirstLuck(set, luck);
        const charts::LuckPillar& l = set.lucks[0];
        std::vector<std::string> years;
        for (const charts::YearPillar& y : set.years)
            years.push_back(format(
                "{\"age\": %d, \"label\": %s, \"pillar\": %s, \"tenGod\": %s, "
                "\"stage\": %s}",
                y.age, quoted(u8(charts::yearAgeText(set, y.age))).c_str(),
                canChiJson(y.index).c_str(), tenGodJson(y.tenGod).c_str(),
                indexed(y.stageOwn, name(charts::lifeStageName(y.stageOwn, false))).c_str()));
        out += format("%s\n    {\"luck\": %d, \"age\": %d, \"ages\": %s, \"pillar\": %s, "
                      "\"tenGod\": %s, \"stage\": %s,\n     \"hidden\": %s,\n     \"years\": %s}",
                      luck ? "," : "", luck, l.age, quoted(u8(charts::luckAgeText(l.age))).c_str(),
                      canChiJson(l.index).c_str(), tenGodJson(l.tenGod).c_str(),
                      indexed(l.stageOwn, name(charts::lifeStageName(l.stageOwn, false))).c_str(),
                      hiddenJson(l.hidden, l.hiddenTenGod, l.hiddenStage).c_str(),
                      list(years).c_str());
    }
    charts::chooseFirstLuck(set, 0);
    return out + "\n  ]}\n}\n";
}

} // namespace

ChartReport chartReport(const std::string& mode, const std::vector<std::string>& args,
                        int currentYearIndex) {
    ChartReport report;
    charts::BirthRecord birth;
    bool json = false;
    if (!parseBirth(mode, args, birth, json, report.error)) return report;
    if (mode == "--tu-vi") {
        const auto chart = std::make_unique<charts::PurpleStarChart>();
        chart->birth = birth;
        const charts::ChartOutcome outcome =
            charts::ComputePurpleStarChart(*chart, currentYearIndex, dataFolder() / "saotuvi.dat");
        if (!outcome.birthValid) {
            report.error = "Không lập được lá số cho ngày giờ này";
            return report;
        }
        if (outcome.starFile != files::ReadStatus::Ok)
            report.warnings.push_back("Không tìm thấy file saotuvi.dat");
        report.text = json ? purpleStarJson(*chart, currentYearIndex)
                           : purpleStarText(*chart, currentYearIndex);
    } else {
        charts::PillarSet set;
        if (!charts::receiveBirth(set, birth)) {
            report.error = "Không lập được tứ trụ cho ngày giờ này";
            return report;
        }
        report.text = json ? fourPillarsJson(set, birth) : fourPillarsText(set, birth);
    }
    report.ok = true;
    return report;
}

} // namespace velmora::cal
