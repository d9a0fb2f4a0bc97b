// The King Wen sequence of the hexagrams with their Vietnamese names.
#include "tools/fengshui-compile/src/KingWen.h"

#include "suite/fengshui/Hexagram.h"

namespace fengshui_compile {
namespace {

enum Trigram { Can, Doai, Ly, Chan, Ton, Kham, Cang, Khon };

// Trigram names and their images (Thiên, Trạch, Hỏa, Lôi, Phong, Thủy, Sơn, Địa).
constexpr std::array<std::string_view, 8> kTrigramNames{"Càn", "Đoài", "Ly",  "Chấn",
                                                        "Tốn", "Khảm", "Cấn", "Khôn"};
constexpr std::array<std::string_view, 8> kTrigramImages{"Thiên", "Trạch", "Hỏa", "Lôi",
                                                         "Phong", "Thủy",  "Sơn", "Địa"};

// King Wen order: number n at index n - 1, as (upper trigram, lower trigram, short name).
constexpr std::array<KingWenEntry, kKingWenCount> kOrder{{
    {Can, Can, ""},           {Khon, Khon, ""},         {Kham, Chan, "Truân"},
    {Cang, Kham, "Mông"},     {Kham, Can, "Nhu"},       {Can, Kham, "Tụng"},
    {Khon, Kham, "Sư"},       {Kham, Khon, "Tỷ"},       {Ton, Can, "Tiểu Súc"},
    {Can, Doai, "Lý"},        {Khon, Can, "Thái"},      {Can, Khon, "Bĩ"},
    {Can, Ly, "Đồng Nhân"},   {Ly, Can, "Đại Hữu"},     {Khon, Cang, "Khiêm"},
    {Chan, Khon, "Dự"},       {Doai, Chan, "Tùy"},      {Cang, Ton, "Cổ"},
    {Khon, Doai, "Lâm"},      {Ton, Khon, "Quan"},      {Ly, Chan, "Phệ Hạp"},
    {Cang, Ly, "Bí"},         {Cang, Khon, "Bác"},      {Khon, Chan, "Phục"},
    {Can, Chan, "Vô Vọng"},   {Cang, Can, "Đại Súc"},   {Cang, Chan, "Di"},
    {Doai, Ton, "Đại Quá"},   {Kham, Kham, ""},         {Ly, Ly, ""},
    {Doai, Cang, "Hàm"},      {Chan, Ton, "Hằng"},      {Can, Cang, "Độn"},
    {Chan, Can, "Đại Tráng"}, {Ly, Khon, "Tấn"},        {Khon, Ly, "Minh Di"},
    {Ton, Ly, "Gia Nhân"},    {Ly, Doai, "Khuê"},       {Kham, Cang, "Kiển"},
    {Chan, Kham, "Giải"},     {Cang, Doai, "Tổn"},      {Ton, Chan, "Ích"},
    {Doai, Can, "Quải"},      {Can, Ton, "Cấu"},        {Doai, Khon, "Tụy"},
    {Khon, Ton, "Thăng"},     {Doai, Kham, "Khốn"},     {Kham, Ton, "Tỉnh"},
    {Doai, Ly, "Cách"},       {Ly, Ton, "Đỉnh"},        {Chan, Chan, ""},
    {Cang, Cang, ""},         {Ton, Cang, "Tiệm"},      {Chan, Doai, "Quy Muội"},
    {Chan, Ly, "Phong"},      {Ly, Cang, "Lữ"},         {Ton, Ton, ""},
    {Doai, Doai, ""},         {Ton, Kham, "Hoán"},      {Kham, Doai, "Tiết"},
    {Ton, Doai, "Trung Phu"}, {Chan, Cang, "Tiểu Quá"}, {Kham, Ly, "Ký Tế"},
    {Ly, Kham, "Vị Tế"},
}};

} // namespace

const std::array<KingWenEntry, kKingWenCount>& kingWenOrder() {
    return kOrder;
}

std::u16string kingWenPattern(int number) {
    const KingWenEntry& entry = kOrder[std::size_t(number - 1)];
    std::u16string pattern(velmora::fengshui::kCastingTrigrams[std::size_t(entry.lower)]);
    pattern += velmora::fengshui::kCastingTrigrams[std::size_t(entry.upper)];
    return pattern;
}

std::string kingWenName(int number) {
    const KingWenEntry& entry = kOrder[std::size_t(number - 1)];
    if (entry.upper == entry.lower)
        return "Thuần " + std::string(kTrigramNames[std::size_t(entry.upper)]);
    return std::string(kTrigramImages[std::size_t(entry.upper)]) + " " +
           std::string(kTrigramImages[std::size_t(entry.lower)]) + " " +
           std::string(entry.shortName);
}

} // namespace fengshui_compile
