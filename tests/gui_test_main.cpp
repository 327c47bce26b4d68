// Test entry for widget tests: they need a QApplication, and must run on
// machines without a display, where the offscreen platform stands in.
#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace {

// Tests that need a real display run where one must be there: a test that
// skips for want of it fails instead, so it cannot pass unseen.
class SkipIsFailure : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& test) override
    {
        if (test.result()->Skipped()) {
            ADD_FAILURE() << "skipped, but this run has a display for it";
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIntValue("QUARVEL_DISPLAY_REQUIRED") == 1) {
        // Appended after the result printer, so it hears of a test's end
        // first and the printer reports the failure.
        ::testing::UnitTest::GetInstance()->listeners().Append(new SkipIsFailure);
    }
    return RUN_ALL_TESTS();
}
