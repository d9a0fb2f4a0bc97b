// The calendar's fixed vocabulary: name tables, record tables and the five-element relation.
#include "VelmoraLib.h"

// A leading "+" marks an auspicious entry and "-" an inauspicious one; the sign is
// part of the text and is shown to the user.

const char16_t g_sThu[7][10] = {u"Thứ hai", u"Thứ ba",  u"Thứ tư",  u"Thứ năm",
                                u"Thứ sáu", u"Thứ bảy", u"Chủ nhật"};

const char16_t g_SThu[7][10] = {u"THỨ HAI", u"THỨ BA",  u"THỨ TƯ",  u"THỨ NĂM",
                                u"THỨ SÁU", u"THỨ BẢY", u"CHỦ NHẬT"};

const char16_t g_sCan[10][10] = {u"Giáp", u"Ất",   u"Bính", u"Đinh", u"Mậu",
                                 u"Kỷ",   u"Canh", u"Tân",  u"Nhâm", u"Quý"};

const char16_t g_sChi[12][10] = {u"Tý",  u"Sửu", u"Dần",  u"Mão", u"Thìn", u"Tị",
                                 u"Ngọ", u"Mùi", u"Thân", u"Dậu", u"Tuất", u"Hợi"};

// Entry 9 ("Thu") carries no sign.
const char16_t g_sTruc[12][10] = {u"-Kiến", u"+Trừ",  u"-Mãn",   u"-Bình", u"+Định", u"+Chấp",
                                  u"-Phá",  u"+Nguy", u"+Thành", u"Thu",   u"+Khai", u"-Bế"};

const char16_t g_s28[28][10] = {u"+Giác", u"-Cang",   u"-Đê",   u"+Phòng", u"-Tâm", u"+Vĩ",
                                u"+Cơ",   u"+Đẩu",    u"-Ngưu", u"-Nữ",    u"-Hư",  u"-Nguy",
                                u"+Thất", u"+Bích",   u"-Khuê", u"+Lâu",   u"+Vị",  u"-Mão",
                                u"+Tất",  u"-Chủy",   u"-Sâm",  u"+Tỉnh",  u"-Quỷ", u"-Liễu",
                                u"-Tinh", u"-Trương", u"-Dực",  u"+Chẩn"};

const char16_t g_sTietKhi[12][12] = {u"Tiểu hàn", u"Lập xuân",   u"Kinh trập", u"Thanh minh",
                                     u"Lập hạ",   u"Mang chủng", u"Tiểu thử",  u"Lập thu",
                                     u"Bạch lộ",  u"Hàn lộ",     u"Lập đông",  u"Đại tuyết"};

const char16_t g_sTrungKhi[12][12] = {u"Đại hàn",  u"Vũ thủy",     u"Xuân phân",  u"Cốc vũ",
                                      u"Tiểu mãn", u"Hạ chí",      u"Đại thử",    u"Xử thử",
                                      u"Thu phân", u"Sương giáng", u"Tiểu tuyết", u"Đông chí"};

const char16_t g_sBatQuai[8][8] = {u"Càn", u"Khảm", u"Cấn",  u"Chấn",
                                   u"Tốn", u"Ly",   u"Khôn", u"Đoài"};

const char16_t g_sHoangDao[12][12] = {
    u"+Thanh Long", u"+Minh Đường", u"-Thiên Hình", u"-Chu Tước", u"+Kim Quỹ", u"+Kim Đường",
    u"-Bạch Hổ",    u"+Ngọc Đường", u"-Thiên Lao",  u"-Huyền Vũ", u"+Tư Mệnh", u"-Câu Trận"};

const char16_t g_sLucNham[6][12] = {u"+Đại An",    u"-Lưu Niên", u"+Tốc Hỷ",
                                    u"-Xích khẩu", u"+Tiểu Cát", u"-Không Vong"};

const NGUHANH g_nguHanh[5] = {
    {u"Thủy", 2, 0x000000}, // black
    {u"Mộc", 3, 0x009900},  // green
    {u"Hỏa", 6, 0x0000FF},  // red
    {u"Thổ", 5, 0x008CFF},  // orange
    {u"Kim", 4, 0xA9A9A9},  // grey
};

const THIENCAN g_10Can[10] = {
    {u"Giáp", u"Gi", 1}, {u"Ất", u"At", 1},  {u"Bính", u"Bi", 2}, {u"Đinh", u"Di", 2},
    {u"Mậu", u"Ma", 3},  {u"Kỷ", u"Ki", 3},  {u"Canh", u"Ca", 4}, {u"Tân", u"Ta", 4},
    {u"Nhâm", u"Nh", 0}, {u"Quý", u"Qu", 0},
};

const DIACHI g_12Chi[12] = {
    {u"Tý", u"Ty", 0},   {u"Sửu", u"Su", 3}, {u"Dần", u"Dn", 1},  {u"Mão", u"Ma", 1},
    {u"Thìn", u"Tf", 3}, {u"Tị", u"Tj", 2},  {u"Ngọ", u"Ng", 2},  {u"Mùi", u"Mu", 3},
    {u"Thân", u"Th", 4}, {u"Dậu", u"Du", 4}, {u"Tuất", u"Tt", 3}, {u"Hợi", u"Ho", 0},
};

const HOAGIAP g_30HoaGiap[30] = {
    {4, u"Hải Trung Kim"},    {2, u"Lô Trung Hỏa"},     {1, u"Đại Lâm Mộc"},
    {3, u"Lộ Bàng Thổ"},      {4, u"Kiếm Phong Kim"},   {2, u"Sơn Đầu Hỏa"},
    {0, u"Giản Hạ Thủy"},     {3, u"Thành Đầu Thổ"},    {4, u"Bạch Lạp Kim"},
    {1, u"Dương Liễu Mộc"},   {0, u"Tuyền Trung Thủy"}, {3, u"Ốc Thượng Thổ"},
    {2, u"Tích Lịch Hỏa"},    {1, u"Tùng Bách Mộc"},    {0, u"Trường Lưu Thủy"},
    {4, u"Sa Trung Kim"},     {2, u"Sơn Hạ Hỏa"},       {1, u"Bình Địa Mộc"},
    {3, u"Bích Thượng Thổ"},  {4, u"Kim Bạc Kim"},      {2, u"Phú Đăng Hỏa"},
    {0, u"Thiên Hà Thủy"},    {3, u"Đại Dịch Thổ"},     {4, u"Thoa Xuyến Kim"},
    {1, u"Tang Thạch Mộc"},   {0, u"Đại Khê Thủy"},     {3, u"Sa Trung Thổ"},
    {2, u"Thiên Thượng Hỏa"}, {1, u"Thạch Lựu Mộc"},    {0, u"Đại Hải Thủy"},
};

int NguHanhSinhKhac(int a, int b) {
    // Indices outside the table have no relation, even when their difference looks like one.
    if (a < 0 || a > 4 || b < 0 || b > 4) return 0;
    // The generating cycle runs in table order (Thủy → Mộc → Hỏa → Thổ → Kim → Thủy);
    // the overcoming cycle skips one.
    switch (b - a) {
    case 1:
    case -4:
        return 1;
    case 4:
    case -1:
        return 2;
    case 2:
    case -3:
        return -1;
    case 3:
    case -2:
        return -2;
    default:
        return 0;
    }
}
