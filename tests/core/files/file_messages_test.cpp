#include "files/file_messages.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace zorva {
namespace {

TEST(FileErrorMessage, NamesTheStepTheFileAndTheReason) {
    const std::string noEntry = std::strerror(ENOENT);
    const std::string noSpace = std::strerror(ENOSPC);
    const std::pair<IoStatus, std::string> cases[] = {
        {IoStatus::System(IoStep::Open, "/d/a.txt", ENOENT),
         "Nie można otworzyć pliku /d/a.txt:\n" + noEntry},
        {IoStatus::System(IoStep::Read, "/d/a.txt", EIO),
         "Błąd odczytu pliku /d/a.txt:\n" + std::string(std::strerror(EIO))},
        {IoStatus::System(IoStep::Flush, "/d/a.txt", ENOSPC),
         "Błąd zapisu na dysk pliku /d/a.txt:\n" + noSpace},
        {IoStatus::System(IoStep::Replace, "/d/a.txt", EACCES),
         "Nie można zapisać pliku /d/a.txt:\n" + std::string(std::strerror(EACCES))},
        {IoStatus{IoKind::Other, IoStep::Write, "/d/a.txt", {}, {}}, "Błąd zapisu pliku /d/a.txt"},
        {IoStatus::System(IoStep::WriteTemporary, {}, ENOSPC),
         "Błąd zapisu pliku tymczasowego:\n" + noSpace},
        {IoStatus::Unencodable("Ω", "sp9Ω"),
         "Znak \"Ω\" nie może zostać zapisany w pliku (kodowanie Windows-1250) w linii:\n\nsp9Ω"},
        {IoStatus::Ok(), ""},
    };
    for (const auto& [status, text] : cases) EXPECT_EQ(FileErrorMessage(status), text);
}

}  // namespace
}  // namespace zorva
