// Gathering a day's stars: the built-in ones, then the two star files.
#include "suite/almanac/AlmanacReading.h"

#include "suite/almanac/BuiltInStars.h"
#include "suite/almanac/StarFile.h"
#include "suite/almanac/StarRules.h"

namespace velmora::almanac {
namespace {

// Adds the file's matching records; what cannot be used of the file is listed.
void addFromFile(const std::filesystem::path& path, std::u16string_view fileName,
                 const AlmanacDay& day, std::vector<AlmanacStarRecord>& list,
                 std::vector<StarFileIssue>& issues) {
    const StarFileContents file = readStarFile(path);
    if (file.problem != StarFileProblem::None)
        issues.push_back({std::u16string(fileName), file.problem});
    addMatchingStars(file.records, day, list);
}

} // namespace

std::u16string missingFileMessage(std::u16string_view fileName) {
    return std::u16string(u"Không tìm thấy file ") + std::u16string(fileName);
}

std::u16string starFileMessage(const StarFileIssue& issue) {
    switch (issue.problem) {
    case StarFileProblem::Missing:
        return missingFileMessage(issue.fileName);
    case StarFileProblem::Unreadable:
        return u"Không đọc được file " + issue.fileName;
    case StarFileProblem::Damaged:
        return u"File " + issue.fileName + u" bị hỏng: chỉ dùng được các sao đọc được";
    case StarFileProblem::None:
        break;
    }
    return {};
}

AlmanacContent collectAlmanacContent(const LICHVELMORA& rec, const StarFilePaths& files) {
    AlmanacContent content;
    content.rec = rec;
    content.day = almanacDayOf(rec);
    addBuiltInStars(content.day, content.good, content.bad);
    addFromFile(files.auspicious, kAuspiciousFileName, content.day, content.good,
                content.fileIssues);
    addFromFile(files.inauspicious, kInauspiciousFileName, content.day, content.bad,
                content.fileIssues);
    return content;
}

AlmanacReading ComposeAlmanacReading(const LICHVELMORA& rec, const StarFilePaths& files) {
    AlmanacContent content = collectAlmanacContent(rec, files);
    return {renderAlmanacHtml(content), std::move(content.fileIssues)};
}

std::string almanacReadingText(const LICHVELMORA& rec, const StarFilePaths& files,
                               std::vector<StarFileIssue>* fileIssues) {
    AlmanacContent content = collectAlmanacContent(rec, files);
    if (fileIssues) *fileIssues = content.fileIssues;
    return renderAlmanacText(content);
}

} // namespace velmora::almanac
