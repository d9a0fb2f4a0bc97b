// saotuvi-compile: compiles the readable star catalogue into saotuvi.dat, or decodes one back.
#include "suite/charts/StarRecord.h"
#include "tools/saotuvi-compile/src/StarSource.h"
#include "tools/source-tool/SourceTool.h"

#include <iostream>
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
    return velmora::sourcetool::compileRows(
        input, output, velmora::saotuvi::compileStarSource,
        [](const char* path, const std::vector<velmora::charts::StarRecord>& records) {
            return velmora::charts::writeStarCatalogue(path, records);
        });
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--decode") return decode(argv[2]);
    if (argc == 3 && argv[1][0] != '-') return compile(argv[1], argv[2]);
    return usage();
}
