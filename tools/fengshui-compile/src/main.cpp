// fengshui-compile: compiles a readable feng-shui source into its data file, or decodes one back.
#include "tools/fengshui-compile/src/HexagramSource.h"
#include "tools/fengshui-compile/src/NineStarSource.h"
#include "tools/fengshui-compile/src/SixtyCycleSource.h"
#include "tools/source-tool/SourceTool.h"

#include <iostream>

namespace {

using namespace fengshui_compile;
namespace fs = velmora::fengshui;

int usage() {
    std::cerr << "usage: fengshui-compile hexagrams|ninestars|sixtycycle INPUT.txt OUTPUT.dat\n"
                 "       fengshui-compile --decode hexagrams|ninestars|sixtycycle FILE.dat\n";
    return 2;
}

using velmora::sourcetool::readSourceFile;
using velmora::sourcetool::reportErrors;
using velmora::sourcetool::written;

int compile(std::string_view kind, const char* input, const char* output) {
    std::string text, error;
    if (!readSourceFile(input, text, error)) {
        std::cerr << error << '\n';
        return 1;
    }
    if (kind == "hexagrams") {
        const HexagramSourceResult result = compileHexagramSource(text, input);
        if (reportErrors(result.errors)) return 1;
        return written(fs::writeHexagramFile(output, result.records), output);
    }
    if (kind == "ninestars") {
        const NineStarSourceResult result = compileNineStarSource(text, input);
        if (reportErrors(result.errors)) return 1;
        return written(fs::writeNineStarFile(output, result.records), output);
    }
    if (kind == "sixtycycle") {
        const SixtyCycleSourceResult result = compileSixtyCycleSource(text, input);
        if (reportErrors(result.errors)) return 1;
        return written(fs::writeSixtyCycleFile(output, result.records), output);
    }
    return usage();
}

int cannotRead(const char* path) {
    std::cerr << path << ": cannot read\n";
    return 1;
}

int decode(std::string_view kind, const char* path) {
    if (kind == "hexagrams") {
        const auto records = fs::readHexagramFile(path);
        if (!records) return cannotRead(path);
        for (std::size_t i = 0; i < records->size(); ++i)
            for (const std::string& line : formatHexagramBlock(int(i) + 1, (*records)[i]))
                std::cout << line << '\n';
        return 0;
    }
    if (kind == "ninestars") {
        const auto records = fs::readNineStarFile(path);
        if (!records) return cannotRead(path);
        for (const fs::NineStarRecord& record : *records)
            for (const std::string& line : formatNineStarBlock(record)) std::cout << line << '\n';
        return 0;
    }
    if (kind == "sixtycycle") {
        const auto records = fs::readSixtyCycleFile(path);
        if (!records) return cannotRead(path);
        for (std::size_t i = 0; i < records->size(); ++i)
            std::cout << formatSixtyCycleRow(int(i), (*records)[i]) << '\n';
        return 0;
    }
    return usage();
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string_view(argv[1]) == "--decode") return decode(argv[2], argv[3]);
    if (argc == 4 && argv[1][0] != '-') return compile(argv[1], argv[2], argv[3]);
    return usage();
}
