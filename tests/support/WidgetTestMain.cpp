#include "platform/EditorApplication.h"

#include <gtest/gtest.h>

#include <cstring>

// Widget tests run under the editor's own application object, so the general error handler is the real one.
// --scale=S runs them on a screen of S device pixels per window pixel (given as an argument: Wine passes no QT_
// variable from the Linux environment to a Windows program).
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    constexpr char kScale[] = "--scale=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kScale, sizeof kScale - 1) == 0)
            qputenv("QT_SCALE_FACTOR", argv[i] + sizeof kScale - 1);
    }
    EditorApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
