#include <gtest/gtest.h>

#include "import/import_rules.h"

namespace zorva {
namespace {

TEST(WindowsExtractPath, ADotInAFolderIsNoExtension) {
    EXPECT_EQ(ExtractPath(R"(C:\logi.2024\moj)", Confirmation::Qsl), R"(C:\logi.2024\moj_qsl.adi)");
    EXPECT_EQ(ExtractPath(R"(C:\logi\moj.adi)", Confirmation::Lotw), R"(C:\logi\moj_lotw.adi)");
}

}  // namespace
}  // namespace zorva
