// vansu-compile: compiles a readable star table into a star data file, or decodes one back.
#include "suite/almanac/StarFile.h"
#include "tools/source-tool/SourceTool.h"
#include "tools/vansu-compile/src/StarSource.h"

#include <iostream>
#include <string_view>

namespace {

int usage() {
    std::cerr << "usage: vansu-compile INPUT.txt OUTPUT.dat\n"
                 "       vansu-compile --decode FILE.dat\n";
    return 2;
}

int decode(const char* path) {
    const velmora::almanac::StarFileContents file = velmora::almanac::readStarFile(path);
    using velmora::almanac::StarFileProblem;
    if (file.problem == StarFileProblem::Missing || file.problem == StarFileProblem::Unreadable) {
        std::cerr << path << ": cannot open\n";
        return 1;
    }
    for (const auto& record : file.records)
        std::cout << velmora::vansu::formatStarRow(record) << '\n';
    if (file.problem == StarFileProblem::Damaged) {
        std::cerr << path << ": damaged (a partial or garbled record)\n";
        return 1;
    }
    return 0;
}

int compile(const char* input, const char* output) {
    return velmora::sourcetool::compileRows(
        input, output, velmora::vansu::compileStarSource,
        [](const char* path, const std::vector<velmora::almanac::AlmanacStarRecord>& records) {
            return velmora::almanac::writeStarFile(path, records);
        });
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--decode") return decode(argv[2]);
    if (argc == 3 && argv[1][0] != '-') return compile(argv[1], argv[2]);
    return usage();
}
