// The shipped star tables: every built record decodes back to its source row.
#include "suite/almanac/StarFile.h"
#include "tools/source-tool/tests/SourceTesting.h"
#include "tools/vansu-compile/src/StarSource.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace velmora::vansu {
namespace {

using sourcetool::testing::readText;
using sourcetool::testing::sourceRows;

class ShippedTable : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedTable, BuiltRecordsDecodeToTheirSourceRows) {
    const std::string name = GetParam();
    const std::string source = readText(std::string(VANSU_SOURCE_DIR "/") + name + ".txt");
    const auto file =
        velmora::almanac::readStarFile(std::string(VANSU_BUILT_DIR "/") + name + ".dat");
    ASSERT_EQ(file.problem, velmora::almanac::StarFileProblem::None);
    const auto* built = &file.records;
    const auto rows = sourceRows(source);
    ASSERT_EQ(built->size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(formatStarRow((*built)[i]), rows[i]);

    const auto compiled = compileStarSource(source, name);
    EXPECT_TRUE(compiled.errors.empty());
    ASSERT_EQ(compiled.rows.size(), built->size());
    for (std::size_t i = 0; i < built->size(); ++i) EXPECT_EQ(compiled.rows[i].record, (*built)[i]);
}

TEST_P(ShippedTable, AtLeastThirtyStarsWithoutBuiltInNames) {
    const auto file =
        velmora::almanac::readStarFile(std::string(VANSU_BUILT_DIR "/") + GetParam() + ".dat");
    ASSERT_EQ(file.problem, velmora::almanac::StarFileProblem::None);
    const auto* built = &file.records;
    std::set<std::u16string> names;
    for (const auto& r : *built) {
        names.insert(r.name);
        EXPECT_FALSE(r.explanation.empty()) << formatStarRow(r);
    }
    EXPECT_GE(names.size(), 30u);
    for (const char16_t* builtIn : {u"Tuế Đức", u"Kim Thần Thất Sát", u"Thập Ác Đại Bại",
                                    u"Sát Cống", u"Trực Tinh", u"Nhân Chuyên", u"Yêu Tinh"})
        EXPECT_EQ(names.count(builtIn), 0u);
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedTable, ::testing::Values("vansutot", "vansuxau"));

TEST(ShippedTable, KnownRowsCarryTheCatalogueCodes) {
    const auto file = velmora::almanac::readStarFile(VANSU_BUILT_DIR "/vansutot.dat");
    const auto* good = &file.records;
    ASSERT_TRUE(file.problem == velmora::almanac::StarFileProblem::None && !good->empty());
    EXPECT_EQ(good->front().name, u"Thiên Đức");
    EXPECT_EQ(good->front().values,
              (std::array<std::int32_t, 12>{23, 8, 28, 27, 11, 20, 29, 2, 22, 21, 5, 26}));
    EXPECT_TRUE(good->front().emphasis);
}

} // namespace
} // namespace velmora::vansu
