// Parsing and formatting the readable star catalogue.
#include "tools/saotuvi-compile/src/StarSource.h"

#include "suite/text/Utf.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <set>

namespace velmora::saotuvi {

using charts::StarRecord;

namespace {

constexpr std::array<std::string_view, 12> kBranches = {"Tý",  "Sửu", "Dần",  "Mão", "Thìn", "Tị",
                                                        "Ngọ", "Mùi", "Thân", "Dậu", "Tuất", "Hợi"};
constexpr std::array<std::string_view, 5> kElements = {"Thủy", "Mộc", "Hỏa", "Thổ", "Kim"};
constexpr std::array<std::string_view, 5> kClasses = {"chính", "phụ", "hóa", "lưu", "tuần triệt"};
constexpr std::array<std::string_view, 5> kStrengthLetters = {"M", "V", "Đ", "B", "H"};
constexpr std::string_view kNone = "-";
constexpr std::string_view kStep = "bước ";

// How many positions a method's list holds, and whether a step follows it.
struct ListShape {
    int length; // 0: the method takes no list
    bool step;
};

bool knownMethod(int method) {
    return (method >= 1 && method <= 21) || method == 24 || method == 25;
}

ListShape shapeOf(int method) {
    switch (method) {
    case charts::ByYearStem:
    case charts::ByCurrentStem:
    case charts::Transformation:
        return {10, false};
    case charts::LuRing:
        return {10, true};
    case charts::GrowthRing:
        return {5, true};
    case charts::LifePlusBranch:
    case charts::BodyPlusBranch:
    case charts::LifePlusFive:
    case charts::LifePlusSeven:
    case charts::BranchMonthHour:
    case charts::TuanPair:
    case charts::TrietPair:
        return {0, false};
    default:
        return {12, false};
    }
}

// The character that stands for a table value 0..20.
char16_t tableChar(int value) {
    return static_cast<char16_t>(value < 10 ? u'0' + value : u'A' + (value - 10));
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> split(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = s.find(separator);
        parts.push_back(trim(s.substr(0, at)));
        if (at == std::string_view::npos) return parts;
        s.remove_prefix(at + 1);
    }
}

template <std::size_t N>
int indexIn(const std::array<std::string_view, N>& names, std::string_view name) {
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

bool parseInt(std::string_view s, int& value) {
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size();
}

// A row being read, with the file's earlier rows for transformation targets.
class RowParser {
  public:
    RowParser(const std::vector<SourceRow>& earlier, std::string& error)
        : earlier_(earlier), error_(error) {}

    bool parse(std::string_view line, StarRecord& r) {
        const std::vector<std::string_view> f = split(line, '|');
        if (f.size() != 9) return fail("cần 9 cột, có " + std::to_string(f.size()));
        int id = 0;
        if (!parseInt(f[0], id) || id < 0 || id > 255) return fail("mã sao phải là số 0..255");
        r.id = static_cast<std::uint8_t>(id);
        if (!text(f[1], charts::kStarLongNameWidth - 1, "tên", r.longName) ||
            !text(f[2], charts::kStarShortNameWidth - 1, "tên tắt", r.shortName))
            return false;
        const int element = indexIn(kElements, f[3]);
        if (element < 0) return fail("hành không rõ \"" + std::string(f[3]) + "\"");
        r.element = static_cast<std::uint8_t>(element);
        if (f[4] != "tốt" && f[4] != "xấu") return fail("cần \"tốt\" hoặc \"xấu\"");
        r.good = f[4] == "tốt" ? 1 : 0;
        const int starClass = indexIn(kClasses, f[5]);
        if (starClass < 0) return fail("lớp không rõ \"" + std::string(f[5]) + "\"");
        if ((starClass == 0) != (id < charts::kMainStarIdLimit))
            return fail("chính tinh và chỉ chính tinh có mã dưới 15");
        r.starClass = static_cast<std::uint8_t>(starClass);
        int method = 0;
        if (!parseInt(f[6], method) || !knownMethod(method))
            return fail("cách an không rõ \"" + std::string(f[6]) + "\"");
        r.method = static_cast<std::uint8_t>(method);
        r.table.fill(u'-');
        return positions(f[7], method, r) && strength(f[8], r);
    }

  private:
    bool fail(const std::string& message) {
        error_ = message;
        return false;
    }

    bool text(std::string_view s, std::size_t limit, const char* what, std::u16string& out) {
        out = text::utf8ToUtf16(s);
        if (out.empty()) return fail(std::string("thiếu ") + what);
        if (out.size() > limit)
            return fail(std::string(what) + " dài quá " + std::to_string(limit) + " ký tự");
        return true;
    }

    bool positions(std::string_view s, int method, StarRecord& r) {
        const ListShape shape = shapeOf(method);
        if (shape.length == 0) return s == kNone ? true : fail("cách an này không có cột vị trí");
        std::string_view list = s;
        int step = -1;
        if (shape.step) {
            const std::size_t comma = s.rfind(',');
            const std::string_view tail =
                comma == std::string_view::npos ? "" : trim(s.substr(comma + 1));
            if (tail.substr(0, kStep.size()) != kStep ||
                !parseInt(tail.substr(kStep.size()), step) || step < 0 || step > 11)
                return fail("cần \", bước N\" với N từ 0 đến 11");
            list = trim(s.substr(0, comma));
        }
        std::vector<int> values;
        if (method == charts::Transformation) {
            for (const std::string_view name : split(list, ',')) {
                const int target = targetId(name);
                if (target < 0) return false;
                values.push_back(target);
            }
        } else {
            for (const std::string_view name : split(list, ' ')) {
                if (name.empty()) continue;
                const int branch = indexIn(kBranches, name);
                if (branch < 0) return fail("chi không rõ \"" + std::string(name) + "\"");
                values.push_back(branch);
            }
        }
        if (static_cast<int>(values.size()) != shape.length)
            return fail("cần " + std::to_string(shape.length) + " vị trí, có " +
                        std::to_string(values.size()));
        for (std::size_t i = 0; i < values.size(); ++i) r.table[i + 1] = tableChar(values[i]);
        if (step >= 0) r.table[method == charts::LuRing ? 11 : 6] = tableChar(step);
        return true;
    }

    // The id of the one earlier star with that name, usable by a transformation.
    int targetId(std::string_view name) {
        const std::u16string wanted = text::utf8ToUtf16(name);
        int found = -1, count = 0;
        for (const SourceRow& row : earlier_)
            if (row.record.longName == wanted) {
                found = row.record.id;
                ++count;
            }
        std::string problem;
        if (count == 0) problem = "sao đích \"" + std::string(name) + "\" phải đứng trước";
        if (count > 1) problem = "có nhiều sao tên \"" + std::string(name) + "\"";
        if (count == 1 && found > 20)
            problem = "sao đích \"" + std::string(name) + "\" có mã trên 20";
        if (!problem.empty()) {
            fail(problem);
            return -1;
        }
        return found;
    }

    bool strength(std::string_view s, StarRecord& r) {
        if (s == kNone) return true;
        for (const std::string_view letter : split(s, ' ')) {
            if (letter.empty()) continue;
            if (indexIn(kStrengthLetters, letter) < 0)
                return fail("chữ miếu hãm không rõ \"" + std::string(letter) + "\"");
            r.strength += text::utf8ToUtf16(letter);
        }
        if (r.strength.size() != charts::kStrengthWidth) return fail("cần 12 chữ miếu hãm");
        return true;
    }

    const std::vector<SourceRow>& earlier_;
    std::string& error_;
};

std::string utf8(const std::u16string& s) {
    return text::utf16ToUtf8(s);
}

std::string branchList(const StarRecord& r, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        const int v = charts::tableValue(r.table[i + 1]);
        out += (i ? " " : "") + (v >= 0 && v < 12 ? std::string(kBranches[v]) : "?");
    }
    return out;
}

} // namespace

std::string_view className(int starClass) {
    return starClass >= 0 && starClass < static_cast<int>(kClasses.size()) ? kClasses[starClass]
                                                                           : "?";
}

CompileResult compileStarSource(std::string_view text, std::string_view fileName) {
    CompileResult result;
    std::set<int> ids;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        SourceRow row{lineNumber, {}};
        std::string error;
        RowParser parser(result.rows, error);
        if (parser.parse(line, row.record) && !ids.insert(row.record.id).second)
            error = "mã " + std::to_string(row.record.id) + " đã dùng";
        if (!error.empty()) {
            result.errors.push_back(std::string(fileName) + ":" + std::to_string(lineNumber) +
                                    ": " + error);
            continue;
        }
        result.rows.push_back(std::move(row));
    }
    return result;
}

std::vector<std::string> formatStarRows(const std::vector<StarRecord>& records) {
    std::vector<std::string> rows;
    for (std::size_t k = 0; k < records.size(); ++k) {
        const StarRecord& r = records[k];
        std::string positions;
        const ListShape shape = shapeOf(r.method);
        if (shape.length == 0) {
            positions = std::string(kNone);
        } else if (r.method == charts::Transformation) {
            for (int i = 0; i < shape.length; ++i) {
                const int id = charts::tableValue(r.table[i + 1]);
                std::string name = "?";
                for (std::size_t j = 0; j < k; ++j)
                    if (records[j].id == id) name = utf8(records[j].longName);
                positions += (i ? ", " : "") + name;
            }
        } else {
            positions = branchList(r, shape.length);
            if (shape.step)
                positions += ", bước " + std::to_string(charts::tableValue(
                                             r.table[r.method == charts::LuRing ? 11 : 6]));
        }
        std::string strength;
        for (const char16_t c : r.strength)
            strength += (strength.empty() ? "" : " ") + utf8(std::u16string(1, c));
        rows.push_back(std::to_string(r.id) + " | " + utf8(r.longName) + " | " + utf8(r.shortName) +
                       " | " + std::string(r.element < 5 ? kElements[r.element] : "?") + " | " +
                       (r.good ? "tốt" : "xấu") + " | " + std::string(className(r.starClass)) +
                       " | " + std::to_string(r.method) + " | " + positions + " | " +
                       (strength.empty() ? std::string(kNone) : strength));
    }
    return rows;
}

} // namespace velmora::saotuvi
