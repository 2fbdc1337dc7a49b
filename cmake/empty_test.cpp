// The pure-logic test executable: the cores' tests join it from tests/<subsystem>/*_core_test.cpp.
#include <gtest/gtest.h>

TEST(CoreBuild, SanitizersAreOn)
{
#if defined(__SANITIZE_ADDRESS__)
    SUCCEED();
#else
    ADD_FAILURE() << "the native build must run under AddressSanitizer";
#endif
}
