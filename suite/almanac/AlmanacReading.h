// The almanac reading of one day: its content, its HTML document and its terminal text.
#pragma once

#include "VelmoraLib.h"
#include "suite/almanac/AlmanacDay.h"
#include "suite/almanac/AlmanacStarRecord.h"
#include "suite/almanac/StarFile.h"

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

// "Không tìm thấy file vansutot.dat": the message for a star file that is not there.
std::u16string missingFileMessage(std::u16string_view fileName);

// A star file the reading could not use whole.
struct StarFileIssue {
    std::u16string fileName; // "vansutot.dat"
    StarFileProblem problem;
    bool operator==(const StarFileIssue&) const = default;
};

// What the user is told of it (a message box captioned "Có lỗi", or a line on stderr).
std::u16string starFileMessage(const StarFileIssue& issue);

// Everything the reading shows, before it is rendered.
struct AlmanacContent {
    LICHVELMORA rec{};
    AlmanacDay day;
    std::vector<AlmanacStarRecord> good;   // in order: nine star, Tuế Đức, then vansutot.dat
    std::vector<AlmanacStarRecord> bad;    // nine star, Kim Thần, Thập Ác, then vansuxau.dat
    std::vector<StarFileIssue> fileIssues; // kAuspiciousFileName's first
};

// Reads both star files (what cannot be used of one is listed) and fills the star lists.
AlmanacContent collectAlmanacContent(const LICHVELMORA& rec, const StarFilePaths& files);

// The document for the HTML viewer, as the almanac window shows it.
std::u16string renderAlmanacHtml(const AlmanacContent& content);

// The same reading without markup, one item per line, UTF-8.
std::string renderAlmanacText(const AlmanacContent& content);

struct AlmanacReading {
    std::u16string html;
    std::vector<StarFileIssue> fileIssues; // each to be told with starFileMessage
};

AlmanacReading ComposeAlmanacReading(const LICHVELMORA& rec, const StarFilePaths& files);

// Terminal form; the star files' issues are reported through `fileIssues` when given.
std::string almanacReadingText(const LICHVELMORA& rec, const StarFilePaths& files,
                               std::vector<StarFileIssue>* fileIssues = nullptr);

} // namespace velmora::almanac
