// Gathering a day's stars: the built-in ones, then the two star files.
#include "suite/almanac/AlmanacReading.h"

#include "suite/almanac/BuiltInStars.h"
#include "suite/almanac/StarFile.h"
#include "suite/almanac/StarRules.h"

namespace velmora::almanac {
namespace {

// Adds the file's matching records; a file that cannot be opened is listed and skipped.
void addFromFile(const std::filesystem::path& path, std::u16string_view fileName,
                 const AlmanacDay& day, std::vector<AlmanacStarRecord>& list,
                 std::vector<std::u16string>& missing) {
    const auto records = readStarFile(path);
    if (!records) {
        missing.emplace_back(fileName);
        return;
    }
    addMatchingStars(*records, day, list);
}

} // namespace

std::u16string missingFileMessage(std::u16string_view fileName) {
    return std::u16string(u"Không tìm thấy file ") + std::u16string(fileName);
}

AlmanacContent collectAlmanacContent(const LICHVELMORA& rec, const StarFilePaths& files) {
    AlmanacContent content;
    content.rec = rec;
    content.day = almanacDayOf(rec);
    addBuiltInStars(content.day, content.good, content.bad);
    addFromFile(files.auspicious, kAuspiciousFileName, content.day, content.good,
                content.missingFiles);
    addFromFile(files.inauspicious, kInauspiciousFileName, content.day, content.bad,
                content.missingFiles);
    return content;
}

AlmanacReading ComposeAlmanacReading(const LICHVELMORA& rec, const StarFilePaths& files) {
    AlmanacContent content = collectAlmanacContent(rec, files);
    return {renderAlmanacHtml(content), std::move(content.missingFiles)};
}

std::string almanacReadingText(const LICHVELMORA& rec, const StarFilePaths& files,
                               std::vector<std::u16string>* missingFiles) {
    AlmanacContent content = collectAlmanacContent(rec, files);
    if (missingFiles) *missingFiles = content.missingFiles;
    return renderAlmanacText(content);
}

} // namespace velmora::almanac
