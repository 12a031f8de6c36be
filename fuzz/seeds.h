// The seed corpora of the fuzz targets, made from code at build time (make_seeds.cpp).
#pragma once

#include <string>
#include <vector>

namespace horalune::fuzz {

struct Seed {
    std::string name;
    std::string bytes;
};

std::vector<Seed> ini_seeds();         // config.ini texts in GBK
std::vector<Seed> icon_store_seeds();  // encoded icon stores
std::vector<Seed> picture_seeds();     // JPEG, BMP, ICO, PNG, GIF
std::vector<Seed> time_seeds();        // times of day, numbers, settings boxes

// libFuzzer dictionaries: one quoted token a line.
std::string ini_dictionary();
std::string time_dictionary();

// Tiny pictures of our own, for the picture seeds and the icons inside the stores.
std::string tiny_png(int width, int height, int channels);
std::string tiny_gif(bool interlaced, bool transparent, int frames);

}  // namespace horalune::fuzz
