// Main of the window tests: one application object for the whole run, under the offscreen
// platform unless another is asked for (the OpenGL tests run under Xvfb with xcb). Listing the
// tests needs no application.
#include "TervaneApplication.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0) return RUN_ALL_TESTS();
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    tervane::TTervaneApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
