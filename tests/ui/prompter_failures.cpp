// Linked into every ui test program: a Qt Test program counts only QTest's failures, so the
// scripted prompter's reports fail the test function they happen in.
#include <QTest>
#include <QtGlobal>

#include "scripted_prompter.h"

namespace {

void FailTestFunction(const std::string& message) {
    if (!QTest::currentTestFunction()) qFatal("%s (outside a test function)", message.c_str());
    QTest::qFail(message.c_str(), __FILE__, __LINE__);
}

[[maybe_unused]] const bool installed =
    (zorva::testing::SetPrompterFailureSink(FailTestFunction), true);

}  // namespace
