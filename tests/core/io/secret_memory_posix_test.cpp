#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/resource.h>

#include "io/secret_memory.h"

namespace zorva {
namespace {

TEST(SecretMemory, NoCoreDumpOnceSecretsAreKeptAndClearedBytesAreZero) {
    KeepSecretsOutOfCoreDumps();
    rlimit core{};
    ASSERT_EQ(::getrlimit(RLIMIT_CORE, &core), 0);
    EXPECT_EQ(core.rlim_cur, 0u);
    EXPECT_EQ(::prctl(PR_GET_DUMPABLE), 0);

    std::string password(40, 'p');
    const char* held = password.data();
    ClearSecret(password);
    EXPECT_TRUE(password.empty());
    EXPECT_EQ(std::string(held, 40), std::string(40, '\0'));
}

}  // namespace
}  // namespace zorva
