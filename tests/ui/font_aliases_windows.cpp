#include <QCoreApplication>
#include <QFont>

// Where the Windows tests run Windows' own faces may be missing (under Wine; on Qt's offscreen
// platform, which reads one folder and knows no aliases): their metric twins stand in, and for
// the generic monospace, as fontconfig gives the same tests on Linux.
namespace {

void AliasFaces() {
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    QFont::insertSubstitution("monospace", "Liberation Mono");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(AliasFaces)
