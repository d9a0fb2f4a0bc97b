// The star catalogue compiler: rows it refuses, position tables it writes (checked against the
// encoded fields of the catalogue's notes), and the shipped catalogue decoding back to its rows.
#include "tools/saotuvi-compile/src/StarSource.h"
#include "tools/source-tool/tests/SourceTesting.h"

#include "suite/text/Utf.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace velmora::saotuvi {
namespace {

using sourcetool::testing::readText;
using sourcetool::testing::sourceRows;

std::string tableOf(const charts::StarRecord& r) {
    return text::utf16ToUtf8(std::u16string_view(r.table.data(), r.table.size()));
}

// Rows that need earlier stars find them here.
const std::string kHeader = "4 | Vũ Khúc | Vũ | Kim | tốt | chính | 1 | Thân Dậu Tuất Hợi Tý Sửu "
                            "Dần Mão Thìn Tị Ngọ Mùi | -\n"
                            "30 | Thiên Mã | Mã | Hỏa | tốt | phụ | 5 | Dần Hợi Thân Tị Dần Hợi "
                            "Thân Tị Dần Hợi Thân Tị | -\n";

TEST(StarSource, RowsCompileToTheNotesEncodedTables) {
    const struct {
        const char* row;
        const char* table;
    } cases[] = {
        {"1 | Tử Vi | Tử | Thổ | tốt | chính | 1 | Tý Sửu Dần Mão Thìn Tị Ngọ Mùi Thân Dậu Tuất "
         "Hợi | "
         "B Đ M B V M M Đ M B V B",
         "-0123456789AB---"},
        {"23 | Lộc Tồn | Lộc | Thổ | tốt | phụ | 4 | Dần Mão Tị Ngọ Tị Ngọ Thân Dậu Hợi Tý | -",
         "-23565689B0-----"},
        {"79 | Tiểu Hao | T.Hao | Hỏa | xấu | phụ | 9 | Dần Mão Tị Ngọ Tị Ngọ Thân Dậu Hợi Tý, "
         "bước 3 | -",
         "-23565689B03----"},
        {"98 | Thai | Thai | Thổ | xấu | phụ | 10 | Thân Hợi Dần Thân Tị, bước 10 | -",
         "-8B285A---------"},
        {"31 | Linh Tinh | Linh | Hỏa | xấu | phụ | 7 | Tuất Tuất Mão Tuất Tuất Tuất Mão Tuất Tuất "
         "Tuất Mão Tuất | -",
         "-AA3AAA3AAA3A---"},
        {"71 | Thiên Tài | T.Tài | Thổ | tốt | phụ | 15 | - | -", "----------------"},
        {"21 | Hóa Khoa | Khoa | Thủy | tốt | hóa | 8 | Vũ Khúc, Vũ Khúc, Vũ Khúc, Vũ Khúc, Vũ "
         "Khúc, "
         "Vũ Khúc, Vũ Khúc, Vũ Khúc, Vũ Khúc, Vũ Khúc | -",
         "-4444444444-----"},
    };
    for (const auto& c : cases) {
        const CompileResult result = compileStarSource(kHeader + c.row, "t");
        ASSERT_TRUE(result.errors.empty()) << c.row << "\n" << result.errors.front();
        EXPECT_EQ(tableOf(result.rows.back().record), c.table) << c.row;
    }
    const CompileResult strong =
        compileStarSource("1 | Tử Vi | Tử | Thổ | tốt | chính | 1 | Tý Sửu Dần Mão Thìn Tị Ngọ Mùi "
                          "Thân Dậu Tuất Hợi | "
                          "B Đ M B V M M Đ M B V B",
                          "t");
    EXPECT_EQ(strong.rows.front().record.strength, u"BĐMBVMMĐMBVB");
}

TEST(StarSource, RowsTheChartCouldNotUseAreRefused) {
    const struct {
        const char* row;
        const char* error;
    } cases[] = {
        {"40 | Sao | S | Kim | tốt | phụ | 5 | Tý", "cần 9 cột"},
        {"300 | Sao | S | Kim | tốt | phụ | 17 | - | -", "mã sao phải là số 0..255"},
        {"40 | Một cái tên rất dài | S | Kim | tốt | phụ | 17 | - | -", "tên dài quá 14 ký tự"},
        {"40 | Sao | Tên dài | Kim | tốt | phụ | 17 | - | -", "tên tắt dài quá 6 ký tự"},
        {"40 | Sao | S | Gỗ | tốt | phụ | 17 | - | -", "hành không rõ \"Gỗ\""},
        {"40 | Sao | S | Kim | vừa | phụ | 17 | - | -", "cần \"tốt\" hoặc \"xấu\""},
        {"40 | Sao | S | Kim | tốt | chính | 17 | - | -", "chính tinh và chỉ chính tinh"},
        {"5 | Sao | S | Kim | tốt | phụ | 17 | - | -", "chính tinh và chỉ chính tinh"},
        {"40 | Sao | S | Kim | tốt | phụ | 22 | - | -", "cách an không rõ \"22\""},
        {"40 | Sao | S | Kim | tốt | phụ | 17 | Tý | -", "cách an này không có cột vị trí"},
        {"40 | Sao | S | Kim | tốt | phụ | 5 | Tý Sửu | -", "cần 12 vị trí, có 2"},
        {"40 | Sao | S | Kim | tốt | phụ | 4 | Tý Sửu Dần Mão Thìn Tị Ngọ Mùi Thân Tyy | -",
         "chi không rõ \"Tyy\""},
        {"40 | Sao | S | Kim | tốt | phụ | 9 | Tý Sửu Dần Mão Thìn Tị Ngọ Mùi Thân Dậu | -",
         "cần \", bước N\""},
        {"40 | Sao | S | Kim | tốt | phụ | 10 | Tý Sửu Dần Mão Thìn, bước 12 | -",
         "cần \", bước N\""},
        {"40 | Sao | S | Kim | tốt | hóa | 8 | Vũ Khúc, Vũ Khúc, Vũ Khúc, Vũ Khúc, Vũ Khúc, Vũ "
         "Khúc, "
         "Vũ Khúc, Vũ Khúc, Vũ Khúc, Thái Âm | -",
         "sao đích \"Thái Âm\" phải đứng trước"},
        {"40 | Sao | S | Kim | tốt | hóa | 8 | Thiên Mã, Vũ Khúc, Vũ Khúc, Vũ Khúc, Vũ Khúc, Vũ "
         "Khúc, "
         "Vũ Khúc, Vũ Khúc, Vũ Khúc, Vũ Khúc | -",
         "sao đích \"Thiên Mã\" có mã trên 20"},
        {"40 | Sao | S | Kim | tốt | phụ | 17 | - | M V Đ", "cần 12 chữ miếu hãm"},
        {"40 | Sao | S | Kim | tốt | phụ | 17 | - | M V Đ B H M V Đ B H M X",
         "chữ miếu hãm không rõ \"X\""},
        {"30 | Sao | S | Kim | tốt | phụ | 17 | - | -", "mã 30 đã dùng"},
    };
    for (const auto& c : cases) {
        const CompileResult result = compileStarSource(kHeader + c.row, "sao.txt");
        ASSERT_EQ(result.errors.size(), 1u) << c.row;
        EXPECT_EQ(result.errors.front().rfind("sao.txt:3: ", 0), 0u) << result.errors.front();
        EXPECT_NE(result.errors.front().find(c.error), std::string::npos) << result.errors.front();
        EXPECT_EQ(result.rows.size(), 2u) << c.row;
    }
}

TEST(ShippedStarCatalogue, BuiltRecordsDecodeToTheirSourceRows) {
    const std::string source = readText(SAOTUVI_SOURCE_DIR "/saotuvi.txt");
    const charts::StarCatalogue built = charts::readStarCatalogue(SAOTUVI_BUILT_DIR "/saotuvi.dat");
    ASSERT_EQ(built.status, files::ReadStatus::Ok);
    EXPECT_EQ(formatStarRows(built.records), sourceRows(source));
    const CompileResult compiled = compileStarSource(source, "saotuvi.txt");
    EXPECT_TRUE(compiled.errors.empty());
    ASSERT_EQ(compiled.rows.size(), built.records.size());
    for (std::size_t i = 0; i < built.records.size(); ++i)
        EXPECT_EQ(compiled.rows[i].record, built.records[i]);
}

TEST(ShippedStarCatalogue, FourteenMainStarsFirstAndEveryTargetBeforeItsTransformation) {
    const charts::StarCatalogue built = charts::readStarCatalogue(SAOTUVI_BUILT_DIR "/saotuvi.dat");
    ASSERT_GE(built.records.size(), 110u);
    std::set<int> seen;
    for (std::size_t i = 0; i < built.records.size(); ++i) {
        const charts::StarRecord& r = built.records[i];
        EXPECT_EQ(i < 14, r.id < charts::kMainStarIdLimit) << i;
        EXPECT_TRUE(seen.insert(r.id).second) << "id " << int(r.id) << " twice";
        EXPECT_LT(r.element, 5);
        if (r.method == charts::Transformation) {
            for (int k = 1; k <= 10; ++k)
                EXPECT_TRUE(seen.count(charts::tableValue(r.table[k]))) << int(r.id);
        }
        if (i < 14) {
            EXPECT_EQ(r.strength.size(), 12u) << i;
        }
    }
}

} // namespace
} // namespace velmora::saotuvi
