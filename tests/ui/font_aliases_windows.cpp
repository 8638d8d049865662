#include <QCoreApplication>
#include <QFont>

// On Windows Qt's offscreen platform, which the tests run on, takes the faces of one folder
// (the host's Liberation faces) and knows no aliases: these are the ones fontconfig gives
// the same tests on Linux, the metric twins of Windows' faces and the generic monospace.
namespace {

void AliasFaces() {
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    QFont::insertSubstitution("monospace", "Liberation Mono");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(AliasFaces)
