#include <gtest/gtest.h>

#include "io/file_system.h"

namespace zorva {
namespace {

// Windows users write backslashes; Qt's dialogs and older settings give slashes.
TEST(WindowsPathParts, BackslashesAndSlashesBothPartFolders) {
    EXPECT_EQ(DirectoryOf(R"(C:\Log\sp5abc.txt)"), R"(C:\Log\)");
    EXPECT_EQ(DirectoryOf(R"(C:/Log\sub/sp5abc.txt)"), R"(C:/Log\sub/)");
    EXPECT_EQ(FileNameOf(R"(C:\Log\sp5abc.txt)"), "sp5abc.txt");
    EXPECT_EQ(FileNameOf(R"(C:\Log/sp5abc.txt)"), "sp5abc.txt");
    EXPECT_EQ(JoinPath(R"(C:\Log)", "kopie"), R"(C:\Log\kopie)");
    EXPECT_EQ(JoinPath(R"(C:\Log\)", "kopie"), R"(C:\Log\kopie)");
    EXPECT_EQ(JoinPath("C:/Log", "kopie"), "C:/Log/kopie");
    EXPECT_EQ(JoinPath("Log", "kopie"), R"(Log\kopie)");
}

}  // namespace
}  // namespace zorva
