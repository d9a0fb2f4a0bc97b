// The charts in the terminal calendar: golden text of both charts, the JSON's structure and
// indices, and the one-line Vietnamese refusals of bad arguments.
#include "tools/velmora-cal/tests/CalRunner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using velmora::caltest::CalRun;
using velmora::caltest::readFile;

// Runs velmora-cal with a frozen clock (the current year Kỷ Sửu), stderr kept apart.
CalRun run(const std::string& arguments, const std::string& environment = "") {
    return velmora::caltest::runCal(arguments, environment, velmora::caltest::Stderr::Apart);
}

// Brackets and braces outside strings pair up, and strings close.
bool wellNested(const std::string& json) {
    std::string stack;
    bool inString = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"') inString = true;
        if (c == '{' || c == '[') stack.push_back(c);
        if (c == '}' || c == ']') {
            if (stack.empty() || stack.back() != (c == '}' ? '{' : '[')) return false;
            stack.pop_back();
        }
    }
    return stack.empty() && !inString;
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(ChartCli, TextOfBothChartsMatchesTheirReferences) {
    const struct {
        const char* arguments;
        const char* reference;
    } cases[] = {{"--tu-vi 1984-02-02T04:00 --nam", "tu-vi-1984-02-02.ref"},
                 {"--tu-tru 1962-12-31T00:05 --nu", "tu-tru-1962-12-31.ref"}};
    for (const auto& c : cases) {
        const CalRun r = run(c.arguments);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, readFile(std::string(VELMORA_CAL_REFS) + "/" + c.reference))
            << c.arguments;
    }
}

TEST(ChartCli, PurpleStarJsonHasTheChartWithIndices) {
    const CalRun r = run("--tu-vi 1984-02-02T04:00 --nam --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(wellNested(r.out));
    for (const char* field :
         {"\"bureau\": {\"index\": 0, \"name\": \"Thuỷ Nhị Cục\", \"number\": 2}",
          "\"lifePalace\": {\"index\": 0, \"name\": \"Tý\"}",
          "\"bodyPalace\": {\"index\": 4, \"name\": \"Thìn\"}",
          "\"tuan\": [{\"index\": 10, \"name\": \"Tuất\"}, {\"index\": 11, \"name\": \"Hợi\"}]",
          "\"triet\": [{\"index\": 8, \"name\": \"Thân\"}, {\"index\": 9, \"name\": \"Dậu\"}]",
          "\"year\": {\"index\": 0, \"name\": \"Giáp Tý\"}",
          "\"currentYear\": {\"index\": 25, \"name\": \"Kỷ Sửu\"}",
          "\"name\": \"MỆNH\", \"nameIndex\": 0, \"body\": false, \"decadeAge\": 2",
          "{\"id\": 1, \"name\": \"Tử Vi\", \"strength\": \"Đ\", \"main\": true"})
        EXPECT_NE(r.out.find(field), std::string::npos) << field;
    EXPECT_EQ(count(r.out, "\"branch\": {\"index\""), 12u);
    EXPECT_EQ(count(r.out, "\"main\": true"), 14u);
}

TEST(ChartCli, FourPillarsJsonHasPillarsLucksAndYears) {
    const CalRun r = run("--tu-tru 1984-02-02T04:00 --nam --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(wellNested(r.out));
    // Two days before "Lập xuân": still a Quý Hợi year, in the Ất Sửu month; a yin man counts
    // backward.
    for (const char* field : {"\"year\": {\"pillar\": {\"index\": 59, \"name\": \"Quý Hợi\"}",
                              "\"month\": {\"pillar\": {\"index\": 1, \"name\": \"Ất Sửu\"}",
                              "\"day\": {\"pillar\": {\"index\": 2, \"name\": \"Bính Dần\"}",
                              "\"hour\": {\"pillar\": {\"index\": 26, \"name\": \"Canh Dần\"}",
                              "\"direction\": \"nghịch\"", "\"tenGod\": null"})
        EXPECT_NE(r.out.find(field), std::string::npos) << field;
    EXPECT_EQ(count(r.out, "\"luck\": "), 10u);
    EXPECT_EQ(count(r.out, "\"age\": "), 110u); // ten lucks, each with ten years
}

TEST(ChartCli, BadArgumentsGiveOneVietnameseLineAndExitTwo) {
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"--tu-vi 1984-02-02 --nam", "Cần cả giờ sinh"},
        {"--tu-vi 1984-02-02T04:00",
         "--tu-vi cần ngày giờ sinh YYYY-MM-DDTHH:MM và --nam hoặc --nu"},
        {"--tu-tru 1984-02-02T04:00 --nam --nu", "Chỉ chọn một trong --nam và --nu"},
        {"--tu-tru 1984-02-02T04:00 --nam thừa", "Thừa tham số: thừa"},
        {"--tu-vi 1799-12-31T04:00 --nu", "Năm 1799 nằm ngoài khoảng 1800–2199"},
        {"--tu-vi 2001-02-29T04:00 --nu", "Tháng 2 năm 2001 không có ngày 29"},
        {"--tu-tru 2001-02-28T24:00 --nu", "Giờ 24:00 không tồn tại"},
    };
    for (const auto& c : cases) {
        const CalRun r = run(c.arguments);
        EXPECT_EQ(r.exitCode, 2) << c.arguments;
        EXPECT_TRUE(r.out.empty()) << c.arguments;
        EXPECT_EQ(count(r.err, "\n"), 1u) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

TEST(ChartCli, MissingStarFileIsToldAndTheChartGoesOn) {
    const CalRun r = run("--tu-vi 1984-02-02T04:00 --nam", "VELMORA_DATA_DIR=/nonexistent");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "velmora-cal: Không tìm thấy file saotuvi.dat\n");
    EXPECT_NE(r.out.find("Cục: Thuỷ Nhị Cục"), std::string::npos);
    EXPECT_EQ(count(r.out, "(không có sao)"), 12u);
}

} // namespace
