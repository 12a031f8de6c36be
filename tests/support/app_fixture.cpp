#include "support/app_fixture.h"

#include "config/gb18030.h"

namespace horalune::testing {

void AppFixture::write_config(const std::string& utf8_text) {
    std::string crlf;
    for (const char c : utf8_text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    write_bytes(config_path(), utf8_to_gb18030(crlf));
}

Application& AppFixture::start() {
    app.reset();  // the old program lets go of the desktop before the new one takes it
    app = std::make_unique<Application>(platform);
    app->create();
    return *app;
}

const HeadlessPlatform::WindowState& AppFixture::analog_state() const {
    return *platform.window(app->analog().form().window());
}

Point AppFixture::face_point() {
    const Point usual{50, 60};
    if (analog().hit_test(usual.x, usual.y).kind == AnalogHit::Kind::face) return usual;
    return {100, 100};
}

}  // namespace horalune::testing
