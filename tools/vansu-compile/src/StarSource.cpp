// Compiling readable star rows into records and printing records back as rows.
#include "tools/vansu-compile/src/StarSource.h"
#include "VelmoraDay.h"

#include "VelmoraLib.h"
#include "suite/text/Utf.h"
#include "tools/source-tool/SourceTool.h"
#include "tools/vansu-compile/src/ValueNames.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace velmora::vansu {
namespace {

using velmora::almanac::AlmanacStarRecord;
using velmora::almanac::kNoValue;

// Seasons of the rule text; as kind-12 items they stand for lunar months 1-3, 4-6, 7-9, 10-12.
constexpr std::array<std::string_view, 4> kSeasons = {"Xuân", "Hạ", "Thu", "Đông"};
constexpr std::string_view kBold = "đậm";
constexpr std::string_view kEveryMonth = "mọi tháng ";

using sourcetool::trim;

std::vector<std::string_view> split(std::string_view s, char sep) {
    return sourcetool::splitFields(s, sep);
}

int seasonOf(std::string_view word) {
    for (std::size_t i = 0; i < kSeasons.size(); ++i)
        if (word == kSeasons[i]) return static_cast<int>(i);
    return -1;
}

// Splits "T3 Giáp Tý" or "Xuân Mão/Dậu" into its label and the rest.
std::pair<std::string_view, std::string_view> Label(std::string_view item) {
    const auto space = item.find(' ');
    if (space == std::string_view::npos) return {item, {}};
    return {item.substr(0, space), trim(item.substr(space + 1))};
}

// Collects rule errors for one row.
struct RowParser {
    std::vector<std::string>& errors;
    std::string where;

    void Fail(const std::string& message) { errors.push_back(where + message); }

    std::optional<std::int32_t> Value(std::string_view text) {
        auto parsed = parseValue(text);
        if (!parsed.value) Fail(parsed.error);
        return parsed.value;
    }

    void Set(AlmanacStarRecord& r, int slot, std::int32_t v, std::string_view item) {
        if (r.values[slot] != kNoValue)
            Fail("\"" + std::string(item) + "\" repeats a month or slot");
        r.values[slot] = v;
    }

    void MonthRule(AlmanacStarRecord& r, std::string_view rule) {
        for (const auto item : split(rule, ',')) {
            if (item.starts_with(kEveryMonth)) {
                if (const auto v = Value(item.substr(kEveryMonth.size())))
                    for (int k = 0; k < 12; ++k) Set(r, k, *v, item);
                continue;
            }
            const auto [label, rest] = Label(item);
            const int season = seasonOf(label);
            int month = 0;
            if (season < 0 && label.size() > 1 && label[0] == 'T') {
                const auto [end, ec] =
                    std::from_chars(label.data() + 1, label.data() + label.size(), month);
                if (ec != std::errc{} || end != label.data() + label.size()) month = 0;
            }
            if (season < 0 && (month < 1 || month > 12)) {
                Fail("expected \"T1\"..\"T12\", a season or \"mọi tháng\" in \"" +
                     std::string(item) + "\"");
                continue;
            }
            const auto v = Value(rest);
            if (!v) continue;
            if (season >= 0)
                for (int k = 0; k < 3; ++k) Set(r, 3 * season + k, *v, item);
            else
                Set(r, month - 1, *v, item);
        }
    }

    void SeasonRule(AlmanacStarRecord& r, std::string_view rule) {
        for (const auto item : split(rule, ',')) {
            const auto [label, rest] = Label(item);
            const int season = seasonOf(label);
            if (season < 0) {
                Fail("expected Xuân, Hạ, Thu or Đông in \"" + std::string(item) + "\"");
                continue;
            }
            const auto values = split(rest, '/');
            if (values.size() > 3)
                Fail("a season holds at most 3 values: \"" + std::string(item) + "\"");
            for (std::size_t k = 0; k < values.size() && k < 3; ++k)
                if (const auto v = Value(values[k])) Set(r, 3 * season + k, *v, item);
        }
    }

    void DayRule(AlmanacStarRecord& r, std::string_view rule) {
        const auto items = split(rule, ',');
        if (items.size() > 12) Fail("a day list holds at most 12 days");
        for (std::size_t k = 0; k < items.size() && k < 12; ++k) {
            const auto v = Value(items[k]);
            if (!v) continue;
            if (*v != kNoValue && !isDayCode(*v))
                Fail("a day list takes only \"ngày N\" and sexagenary days, not \"" +
                     std::string(items[k]) + "\"");
            r.values[k] = *v;
        }
    }
};

std::optional<AlmanacStarRecord> parseRow(std::string_view line, RowParser& p) {
    const auto fields = split(line, '|');
    if (fields.size() != 5) {
        p.Fail("expected 5 fields \"name | kind | rule | đậm or - | explanation\", found " +
               std::to_string(fields.size()));
        return std::nullopt;
    }
    const std::size_t before = p.errors.size();
    AlmanacStarRecord r;
    r.name = velmora::text::utf8ToUtf16(fields[0]);
    r.explanation = velmora::text::utf8ToUtf16(fields[4]);
    if (r.name.empty()) p.Fail("empty star name");
    if (r.name.size() >= velmora::almanac::kStarNameWidth)
        p.Fail("star name longer than " + std::to_string(velmora::almanac::kStarNameWidth - 1) +
               " characters");
    if (r.explanation.size() >= velmora::almanac::kStarExplanationWidth)
        p.Fail("explanation longer than " +
               std::to_string(velmora::almanac::kStarExplanationWidth - 1) + " characters");
    if (fields[3] == kBold)
        r.emphasis = true;
    else if (fields[3] != "-")
        p.Fail("emphasis must be \"đậm\" or \"-\", not \"" + std::string(fields[3]) + "\"");

    const std::string_view kind = fields[1];
    if (kind == "12") {
        r.kind = velmora::almanac::kKindMonth;
        p.MonthRule(r, fields[2]);
    } else if (kind == "4") {
        r.kind = velmora::almanac::kKindSeason;
        p.SeasonRule(r, fields[2]);
    } else if (kind == "60" || kind == "30") {
        r.kind = kind == "60" ? velmora::almanac::kKindDays60 : velmora::almanac::kKindDays30;
        p.DayRule(r, fields[2]);
    } else {
        p.Fail("unknown kind \"" + std::string(kind) + "\" (12, 4, 60 or 30)");
    }
    if (p.errors.size() != before) return std::nullopt;
    return r;
}

// Values joined by sep, dropping trailing empty slots; inner empty slots print as "-".
std::string joinSlots(const std::int32_t* v, std::size_t n, std::string_view sep) {
    while (n > 0 && v[n - 1] == kNoValue) --n;
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0) out += sep;
        out += v[i] == kNoValue ? std::string("-") : formatValue(v[i]);
    }
    return out;
}

std::string formatMonthRule(const AlmanacStarRecord& r) {
    const auto& v = r.values;
    bool bySeason = true;
    for (int q = 0; q < 4; ++q)
        bySeason = bySeason && v[3 * q] == v[3 * q + 1] && v[3 * q] == v[3 * q + 2];
    if (v[0] != kNoValue && std::all_of(v.begin(), v.end(), [&](auto x) { return x == v[0]; }))
        return std::string(kEveryMonth) + formatValue(v[0]);
    std::string out;
    const auto add = [&out](std::string_view label, std::int32_t value) {
        if (value == kNoValue) return;
        if (!out.empty()) out += ", ";
        out += std::string(label) + " " + formatValue(value);
    };
    if (bySeason)
        for (int q = 0; q < 4; ++q) add(kSeasons[q], v[3 * q]);
    else
        for (int m = 0; m < 12; ++m) add("T" + std::to_string(m + 1), v[m]);
    return out;
}

std::string formatSeasonRule(const AlmanacStarRecord& r) {
    std::string out;
    for (int q = 0; q < 4; ++q) {
        const std::string slots = joinSlots(&r.values[3 * q], 3, "/");
        if (slots.empty()) continue;
        if (!out.empty()) out += ", ";
        out += std::string(kSeasons[q]) + " " + slots;
    }
    return out;
}

} // namespace

std::string formatValue(std::int32_t value) {
    if (value >= 0 && value <= 11) return velmora::text::utf16ToUtf8(g_sChi[value]);
    if (value >= 20 && value <= 29) return velmora::text::utf16ToUtf8(g_sCan[value - 20]);
    if (value >= 101 && value <= 130) return "ngày " + std::to_string(value - 100);
    if (value >= 200 && value <= 259) {
        return velmora::text::utf16ToUtf8(velmora::canChiName(value - 200));
    }
    return "?" + std::to_string(value);
}

std::string formatStarRow(const AlmanacStarRecord& r) {
    std::string rule;
    switch (r.kind) {
    case velmora::almanac::kKindMonth:
        rule = formatMonthRule(r);
        break;
    case velmora::almanac::kKindSeason:
        rule = formatSeasonRule(r);
        break;
    case velmora::almanac::kKindDays60:
    case velmora::almanac::kKindDays30:
        rule = joinSlots(r.values.data(), r.values.size(), ", ");
        break;
    default:
        rule = joinSlots(r.values.data(), r.values.size(), ", ");
    }
    return velmora::text::utf16ToUtf8(r.name) + " | " + std::to_string(r.kind) + " | " + rule +
           " | " + (r.emphasis ? std::string(kBold) : std::string("-")) + " | " +
           velmora::text::utf16ToUtf8(r.explanation);
}

CompileResult compileStarSource(std::string_view text, std::string_view fileName) {
    CompileResult result;
    int lineNo = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = trim(text.substr(start, end - start));
        ++lineNo;
        start = end + 1;
        if (line.empty() || line.front() == '#') continue;
        RowParser p{result.errors, std::string(fileName) + ":" + std::to_string(lineNo) + ": "};
        if (auto record = parseRow(line, p)) result.rows.push_back({lineNo, *record});
    }
    return result;
}

} // namespace velmora::vansu
