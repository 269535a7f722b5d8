#include "platform/EditorApplication.h"
#include "tests/robustness/TinyDisk.h"

#include <gtest/gtest.h>

// The save-fault tests run under the editor's own application object. The tiny disk is mounted first, while
// the program still has one thread, as a new mount namespace requires.
int main(int argc, char** argv) {
    MountTinyDisk();
    testing::InitGoogleTest(&argc, argv);
    int result = 0;
    {
        EditorApplication application(argc, argv);
        result = RUN_ALL_TESTS();
    }
    UnmountTinyDisk();
    return result;
}
