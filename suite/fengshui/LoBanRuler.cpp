// The Lỗ Ban rulers' name tables, the length's parsing and the marks along the scale.
#include "suite/fengshui/LoBanRuler.h"

#include <charconv>
#include <cmath>
#include <string>

namespace velmora::fengshui {
namespace {

// Thước Lỗ Ban 42.9 cm (dương trạch): eight sections of four subsections, from Tài to Bản.
constexpr std::array<std::u16string_view, 8> kEightSections{u"+TÀI",  u"-BỆNH", u"-LY",  u"+NGHĨA",
                                                            u"+QUAN", u"-KIẾP", u"-HẠI", u"+BẢN"};
constexpr std::array<std::u16string_view, 32> kEightSubsections{
    u"Tài Đức",   u"Bảo Khố",   u"Lục Hợp",     u"Nghinh Phúc", u"Thoái Tài",  u"Công Sự",
    u"Lao Chấp",  u"Cô Quả",    u"Trường Bệnh", u"Kiếp Tài",    u"Quan Quỷ",   u"Thất Thoát",
    u"Thêm Đinh", u"Ích Lợi",   u"Quý Tử",      u"Đại Cát",     u"Thuận Khoa", u"Hoạnh Tài",
    u"Tấn Đức",   u"Phú Quý",   u"Tử Biệt",     u"Thoái Khẩu",  u"Ly Hương",   u"Thất Tài",
    u"Tội Chí",   u"Tử Tuyệt",  u"Lâm Bệnh",    u"Khẩu Thiệt",  u"Tài Chí",    u"Đăng Khoa",
    u"Tiến Bảo",  u"Hưng Vượng"};

// Thước Lỗ Ban 38.8 cm (âm phần): ten sections of four subsections, from Đinh to Tài.
constexpr std::array<std::u16string_view, 10> kTenSections{u"+ĐINH",  u"-HẠI",  u"+VƯỢNG", u"-KHỔ",
                                                           u"+NGHĨA", u"+QUAN", u"-TỬ",    u"+HƯNG",
                                                           u"-THẤT",  u"+TÀI"};
constexpr std::array<std::u16string_view, 40> kTenSubsections{
    u"Phúc Tinh",   u"Cập Đệ",     u"Tài Vượng",  u"Đăng Khoa", u"Khẩu Thiệt", u"Lâm Bệnh",
    u"Tử Tuyệt",    u"Tội Chí",    u"Thiên Đức",  u"Hỷ Sự",     u"Tiến Bảo",   u"Nạp Phúc",
    u"Thất Thoát",  u"Quan Quỷ",   u"Kiếp Tài",   u"Vô Tự",     u"Đại Cát",    u"Tài Vượng",
    u"Ích Lợi",     u"Thiên Khố",  u"Phú Quý",    u"Tiến Bảo",  u"Tài Lộc",    u"Thuận Khoa",
    u"Ly Hương",    u"Tử Biệt",    u"Thoái Đinh", u"Thất Tài",  u"Đăng Khoa",  u"Quý Tử",
    u"Thêm Đinh",   u"Hưng Vượng", u"Cô Quả",     u"Lao Chấp",  u"Công Sự",    u"Thối Tài",
    u"Nghinh Phúc", u"Lục Hợp",    u"Tiến Bảo",   u"Tài Đức"};

const LoBanRuler kEight{u"Thước 8 (429.3)", 429.3, 32, kEightSections, kEightSubsections};
const LoBanRuler kTen{u"Thước 10 (387.5)", 387.5, 40, kTenSections, kTenSubsections};

bool isBlank(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

} // namespace

const LoBanRuler& eightSectionRuler() {
    return kEight;
}

const LoBanRuler& tenSectionRuler() {
    return kTen;
}

double parseLength(std::u16string_view text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) ++at;
    // Only ASCII can belong to a number; the first other character ends it.
    std::string ascii;
    for (; at < text.size() && text[at] < 0x80; ++at) ascii.push_back(char(text[at]));
    bool negative = false;
    std::size_t from = 0;
    if (!ascii.empty() && (ascii[0] == '+' || ascii[0] == '-')) {
        negative = ascii[0] == '-';
        from = 1;
    }
    double value = 0;
    const char* first = ascii.data() + from;
    const auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (error != std::errc() || end == first) return 0;
    if (negative) value = -value;
    if (!std::isfinite(value) || value < 0 || value > kLongestLength) return 0;
    return value;
}

std::int64_t scaleStart(double length) {
    return static_cast<std::int64_t>(std::trunc(length / 10)) * 10;
}

std::vector<LoBanMark> rulerMarks(const LoBanRuler& ruler, double length, double before) {
    std::vector<LoBanMark> marks;
    const double step = ruler.subsectionLength();
    const double start = double(scaleStart(length));
    auto index = static_cast<std::int64_t>(std::trunc(length / step));
    double position = double(index) * step;
    const auto names = [](std::u16string_view section, std::u16string_view subsection) {
        std::u16string text(section);
        text += u" (";
        text += subsection;
        text += u")";
        return text;
    };
    while (position < start + kScaleSpan) {
        const int k = int(index % ruler.subsections);
        if (position >= start - before) {
            const std::u16string_view section = ruler.sections[std::size_t(k / 4)];
            marks.push_back(LoBanMark{position, k, k / 4,
                                      names(section, ruler.subsectionNames[std::size_t(k)]),
                                      section.front() == u'+'});
        }
        index = k + 1;
        position += step;
    }
    return marks;
}

} // namespace velmora::fengshui
