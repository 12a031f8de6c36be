// Icon store seeds: stores as the program and the asset generator write them.
#include "buttons/icon_store_format.h"
#include "seeds.h"

namespace horalune::fuzz {

std::vector<Seed> icon_store_seeds() {
    std::vector<IconRecord> full;
    for (int n = 1; n <= kIconRecordCount; ++n) {
        const std::string tag = std::to_string(n);
        full.push_back({n == 10   ? "光驱开关"
                        : n == 11 ? "上网下网"
                                  : "C:\\程序\\app" + tag + ".exe",
                        n % 3 == 0 ? "C:\\声音\\" + tag + ".wav" : "", "提示" + tag,
                        n % 2 ? tiny_png(4, 4, 4) : tiny_gif(false, true, 1),
                        n == 1 ? tiny_png(3, 3, 3) : "", n == 2 ? tiny_png(2, 2, 1) : ""});
    }
    return {
        {"full.hrs", encode_icon_store(full)},
        {"empty_records.hrs", encode_icon_store(std::vector<IconRecord>(kIconRecordCount))},
    };
}

}  // namespace horalune::fuzz
