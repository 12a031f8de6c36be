// For the back-ends' file access: each read_all and look tells the counts that read_count and
// look_count (platform/files.h) give.
#pragma once

namespace horalune::files {

void count_read();
void count_look();

}  // namespace horalune::files
