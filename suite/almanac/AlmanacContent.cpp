// Gathering a day's stars: the built-in ones, then the two star files.
#include "suite/almanac/AlmanacReading.h"

#include "suite/almanac/BuiltInStars.h"
#include "suite/almanac/StarFile.h"
#include "suite/almanac/StarRules.h"

namespace almanac {
namespace {

// Adds the file's matching records; a file that cannot be opened is listed and skipped.
void AddFromFile(const std::filesystem::path& path, std::u16string_view fileName,
                 const AlmanacDay& day, std::vector<AlmanacStarRecord>& list,
                 std::vector<std::u16string>& missing) {
    const auto records = ReadStarFile(path);
    if (!records) {
        missing.emplace_back(fileName);
        return;
    }
    AddMatchingStars(*records, day, list);
}

} // namespace

std::u16string MissingFileMessage(std::u16string_view fileName) {
    return std::u16string(u"Không tìm thấy file ") + std::u16string(fileName);
}

AlmanacContent CollectAlmanacContent(const LICHVELMORA& rec, const StarFilePaths& files) {
    AlmanacContent content;
    content.rec = rec;
    content.day = AlmanacDayOf(rec);
    AddBuiltInStars(content.day, content.good, content.bad);
    AddFromFile(files.auspicious, kAuspiciousFileName, content.day, content.good,
                content.missingFiles);
    AddFromFile(files.inauspicious, kInauspiciousFileName, content.day, content.bad,
                content.missingFiles);
    return content;
}

AlmanacReading ComposeAlmanacReading(const LICHVELMORA& rec, const StarFilePaths& files) {
    AlmanacContent content = CollectAlmanacContent(rec, files);
    return {RenderAlmanacHtml(content), std::move(content.missingFiles)};
}

std::string AlmanacReadingText(const LICHVELMORA& rec, const StarFilePaths& files,
                               std::vector<std::u16string>* missingFiles) {
    AlmanacContent content = CollectAlmanacContent(rec, files);
    if (missingFiles) *missingFiles = content.missingFiles;
    return RenderAlmanacText(content);
}

} // namespace almanac
