// saotuvi-compile: compiles the readable star catalogue into saotuvi.dat, or decodes one back.
#include "suite/charts/StarRecord.h"
#include "tools/saotuvi-compile/src/StarSource.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>

namespace {

int usage() {
    std::cerr << "usage: saotuvi-compile INPUT.txt OUTPUT.dat\n"
                 "       saotuvi-compile --decode FILE.dat\n";
    return 2;
}

int decode(const char* path) {
    const auto catalogue = velmora::charts::readStarCatalogue(path);
    if (catalogue.status != velmora::files::ReadStatus::Ok) {
        std::cerr << path << ": cannot open\n";
        return 1;
    }
    for (const auto& row : velmora::saotuvi::formatStarRows(catalogue.records))
        std::cout << row << '\n';
    return 0;
}

int compile(const char* input, const char* output) {
    std::ifstream in(input, std::ios::binary);
    if (!in) {
        std::cerr << input << ": cannot open\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const auto result = velmora::saotuvi::compileStarSource(text.str(), input);
    for (const auto& error : result.errors) std::cerr << error << '\n';
    if (!result.errors.empty()) return 1;
    if (result.rows.empty()) {
        std::cerr << input << ": no star rows\n";
        return 1;
    }
    std::vector<velmora::charts::StarRecord> records;
    for (const auto& row : result.rows) records.push_back(row.record);
    if (!velmora::charts::writeStarCatalogue(output, records)) {
        std::cerr << output << ": cannot write\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--decode") return decode(argv[2]);
    if (argc == 3 && argv[1][0] != '-') return compile(argv[1], argv[2]);
    return usage();
}
