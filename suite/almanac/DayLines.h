// The two header lines of a reading: the dates, and the day's cyclic names.
#pragma once

#include "VelmoraLib.h"

#include <string>

namespace velmora::almanac {

// "Thứ hai, ngày 26 tháng 1 năm 2009 (1/1 đ)": "đ" for a 30-day lunar month, "n" for a leap one.
std::u16string dateLine(const LICHVELMORA& rec);

// "Ngày Tân Mùi tháng Bính Dần năm Kỷ Sửu Sao ... trực ...".
std::u16string cycleLine(const LICHVELMORA& rec);

} // namespace velmora::almanac
