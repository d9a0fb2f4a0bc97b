// The almanac reading of a day, for a terminal.
#include "tools/velmora-cal/AlmanacReport.h"

#include "suite/almanac/AlmanacReading.h"
#include "tools/velmora-cal/Text.h"

#include <cstdlib>
#include <filesystem>

namespace velmora::cal {

namespace {

std::filesystem::path dataFolder() {
    if (const char* dir = std::getenv("VELMORA_DATA_DIR"); dir && *dir) return dir;
    return VELMORA_CAL_DATA_DIR;
}

std::string utf8Of(const std::u16string& s) {
    return utf8(s.c_str());
}

} // namespace

AlmanacReport almanacReport(const LICHVELMORA& rec, bool html) {
    const std::filesystem::path folder = dataFolder();
    const velmora::almanac::StarFilePaths files{folder / "vansutot.dat", folder / "vansuxau.dat"};
    AlmanacReport report;
    std::vector<velmora::almanac::StarFileIssue> issues;
    if (html) {
        const velmora::almanac::AlmanacReading reading =
            velmora::almanac::ComposeAlmanacReading(rec, files);
        report.text = utf8Of(reading.html) + "\n";
        issues = reading.fileIssues;
    } else {
        report.text = velmora::almanac::almanacReadingText(rec, files, &issues);
    }
    for (const auto& issue : issues)
        report.warnings.push_back(utf8Of(velmora::almanac::starFileMessage(issue)));
    return report;
}

} // namespace velmora::cal
