// The cross build links every executable as a Unicode program (-municode),
// whose entry is wmain; GoogleTest's own main would never be called.
#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
