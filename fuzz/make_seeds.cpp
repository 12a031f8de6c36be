// Writes the seed corpora and dictionaries of the fuzz targets into the folder given:
// <folder>/<target>/<seed> and <folder>/<name>.dict.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "seeds.h"

namespace fs = std::filesystem;
using namespace horalune::fuzz;

namespace {

bool write(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool write_corpus(const fs::path& dir, const std::vector<Seed>& seeds) {
    fs::create_directories(dir);
    for (const Seed& seed : seeds)
        if (!write(dir / seed.name, seed.bytes)) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <folder>\n");
        return 2;
    }
    const fs::path root = argv[1];
    const bool ok = write_corpus(root / "fuzz_ini_read", ini_seeds()) &&
                    write_corpus(root / "fuzz_icon_store", icon_store_seeds()) &&
                    write_corpus(root / "fuzz_picture", picture_seeds()) &&
                    write_corpus(root / "fuzz_time_of_day", time_seeds()) &&
                    write(root / "fuzz_ini_read.dict", ini_dictionary()) &&
                    write(root / "fuzz_time_of_day.dict", time_dictionary());
    if (!ok) std::fprintf(stderr, "make_seeds: cannot write to %s\n", argv[1]);
    return ok ? 0 : 1;
}
