// What the feng-shui windows tell the user about their data files.
#pragma once

#include <string>
#include <string_view>

namespace velmora::fengshui {

inline constexpr std::u16string_view kErrorCaption = u"Có lỗi";

// "Không tìm thấy file 64quai.dat": the file is missing, or what has its name is not a file.
inline std::u16string missingFileMessage(std::u16string_view fileName) {
    return std::u16string(u"Không tìm thấy file ") + std::u16string(fileName);
}

} // namespace velmora::fengshui
