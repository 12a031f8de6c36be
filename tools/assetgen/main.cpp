// assetgen <generated_dir> <bin_dir>: draws the program's built-in pictures and writes them,
// plus the C++ source that embeds them, into generated_dir. bin_dir receives the files
// shipped beside the executable (the icon store, icon.bmp, the default config.ini). Same output
// bytes on every run.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "buttons/icon_store.h"
#include "default_config.h"
#include "embed.h"
#include "encoders.h"
#include "pictures.h"
#include "preset_strip.h"
#include "shipped_store.h"
#include "ui/art/faces.h"
#include "ui/builtin_assets.h"

namespace fs = std::filesystem;
using namespace horalune::assets;

namespace {

constexpr int kJpegQuality = 85;

// Every size the shell asks for from 100 % to 200 % (small icons 16-32, large 32-64) and the
// large view's 256, each drawn at its own size.
std::vector<RgbaImage> program_icons() {
    std::vector<RgbaImage> icons;
    for (const int size : horalune::builtin::kProgramIconSizes) icons.push_back(clock_icon(size));
    return icons;
}

void write_file(const fs::path& path, const std::string& data) {
    // Write beside and rename, so an interrupted build never leaves half a file behind.
    const fs::path temp = path.string() + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(data.data(), std::streamsize(data.size()));
        if (!out) throw std::runtime_error("cannot write " + temp.string());
    }
    fs::rename(temp, path);
}

void write_file(const fs::path& path, const Bytes& data) {
    write_file(path, std::string(data.begin(), data.end()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: assetgen <generated_dir> <bin_dir>\n";
        return 2;
    }
    try {
        const fs::path generated = argv[1];
        const fs::path bin = argv[2];
        fs::create_directories(generated);
        fs::create_directories(bin);

        const Bytes background1 = encode_jpeg(face_picture(1), kJpegQuality);
        const Bytes background2 = encode_jpeg(face_picture(2), kJpegQuality);
        // The button faces are cut from these very JPEG bytes, so they match the backgrounds.
        const ShippedStore store = shipped_icon_store(background1, background2);
        const std::vector<Embedded> items{
            {"window_mask_bmp", encode_bmp24(window_mask())},
            {"background1_jpg", background1},
            {"background2_jpg", background2},
            {"heart_bmp", encode_bmp24(heart())},
            {"program_icon_ico", encode_ico(program_icons())},
        };
        const char* const names[] = {"mask.bmp", "background1.jpg", "background2.jpg", "heart.bmp",
                                     "horalune.ico"};
        for (std::size_t i = 0; i < items.size(); ++i) {
            write_file(generated / names[i], items[i].bytes);
        }
        write_file(generated / "builtin_assets.cpp", builtin_assets_source(items, store.pictures));

        const std::string store_name =
            std::string(horalune::kIconStoreName) + std::string(horalune::kIconStoreExtension);
        write_file(bin / std::u8string(store_name.begin(), store_name.end()), store.bytes);
        write_file(bin / "icon.bmp", encode_bmp24(preset_strip()));
        // Kept pristine in generated_dir for packages: the copy beside the program is the
        // developer's to change by running it.
        write_default_config((generated / "config.ini").string());
        fs::copy_file(generated / "config.ini", bin / "config.ini",
                      fs::copy_options::overwrite_existing);
    } catch (const std::exception& e) {
        std::cerr << "assetgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
