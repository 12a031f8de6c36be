// A whole program on the headless desktop, in a fresh program folder per test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/application.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

namespace horalune::testing {

class AppFixture : public ::testing::Test {
  protected:
    AppFixture() { platform.set_program_dir(dir.path()); }

    // config.ini as a Chinese Windows editor would save it: GBK, CRLF.
    void write_config(const std::string& utf8_text);
    std::string config_bytes() const { return read_bytes(config_path()); }
    std::string config_path() const { return dir.file("config.ini"); }

    Application& start();
    AnalogWindow& analog() { return app->analog(); }
    const HeadlessPlatform::WindowState& analog_state() const;
    // A point of the bare face: the heart jumps about and may lie over any one point, but
    // never over both of the two this picks from.
    Point face_point();

    TempDir dir;
    HeadlessPlatform platform;
    std::unique_ptr<Application> app;
};

}  // namespace horalune::testing
