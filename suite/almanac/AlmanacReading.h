// The almanac reading of one day: its content, its HTML document and its terminal text.
#pragma once

#include "VelmoraLib.h"
#include "suite/almanac/AlmanacDay.h"
#include "suite/almanac/AlmanacStarRecord.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::almanac {

// Host paths of the two star files; the caller maps the device paths
// ProgramFolder\Data\vansutot.dat and ProgramFolder\Data\vansuxau.dat.
struct StarFilePaths {
    std::filesystem::path auspicious;   // vansutot.dat
    std::filesystem::path inauspicious; // vansuxau.dat
};

inline constexpr std::u16string_view kAuspiciousFileName = u"vansutot.dat";
inline constexpr std::u16string_view kInauspiciousFileName = u"vansuxau.dat";
inline constexpr std::u16string_view kErrorCaption = u"Có lỗi";

// "Không tìm thấy file vansutot.dat": the message for a star file that cannot be opened.
std::u16string missingFileMessage(std::u16string_view fileName);

// Everything the reading shows, before it is rendered.
struct AlmanacContent {
    LICHVELMORA rec{};
    AlmanacDay day;
    std::vector<AlmanacStarRecord> good; // in order: nine star, Tuế Đức, then vansutot.dat
    std::vector<AlmanacStarRecord> bad;  // nine star, Kim Thần, Thập Ác, then vansuxau.dat
    std::vector<std::u16string> missingFiles; // file names, kAuspiciousFileName first
};

// Reads both star files (a missing one is listed and skipped) and fills the star lists.
AlmanacContent collectAlmanacContent(const LICHVELMORA& rec, const StarFilePaths& files);

// The document for the HTML viewer, as the almanac window shows it.
std::u16string renderAlmanacHtml(const AlmanacContent& content);

// The same reading without markup, one item per line, UTF-8.
std::string renderAlmanacText(const AlmanacContent& content);

struct AlmanacReading {
    std::u16string html;
    std::vector<std::u16string> missingFiles; // each to be shown with MissingFileMessage
};

AlmanacReading ComposeAlmanacReading(const LICHVELMORA& rec, const StarFilePaths& files);

// Terminal form; missing files are reported through `missingFiles` when given.
std::string almanacReadingText(const LICHVELMORA& rec, const StarFilePaths& files,
                               std::vector<std::u16string>* missingFiles = nullptr);

} // namespace velmora::almanac
