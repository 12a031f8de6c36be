// The config.ini shipped beside the program: a fresh install that looks finished.
#pragma once

#include <string>

namespace horalune::assets {

// Writes the shipped config.ini at `path` (replacing any file there) through the program's own
// config writer, so it holds exactly what the program itself would write.
void write_default_config(const std::string& path);

}  // namespace horalune::assets
