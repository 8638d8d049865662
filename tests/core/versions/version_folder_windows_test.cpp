#include <gtest/gtest.h>

#include "versions/version_folder.h"

namespace zorva {
namespace {

TEST(WindowsVersionsFolder, UsesTheSeparatorsOfTheStationPath) {
    EXPECT_EQ(VersionsFolder(R"(C:\Log\sp5abc.txt)"), R"(C:\Log\kopie\sp5abc.txt\)");
    EXPECT_EQ(VersionsFolder("C:/Log/sp5abc.txt"), "C:/Log/kopie/sp5abc.txt/");
}

}  // namespace
}  // namespace zorva
