#include "home_directory.h"

#include <QCoreApplication>

#include "program_directory.h"

namespace zorva::cli {

std::string DefaultHomeDirectory(const char* argv0) {
    int argc = 1;
    char* argv[] = {const_cast<char*>(argv0), nullptr};
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("zorva_rade");
    return ProgramDirectory();
}

}  // namespace zorva::cli
