#include "platform/Application.h"

#include <gtest/gtest.h>

// Widget tests run under the editor's own application object, so the general error handler is the real one.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
