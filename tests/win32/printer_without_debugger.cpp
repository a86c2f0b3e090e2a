// GoogleTest's printer, but for the copy of each failure and skip it sends to
// a debugger: OutputDebugStringA raises an exception, and 32-bit Wine on
// qemu-i386 7.2 cannot dispatch exceptions, so the first skip took the test
// program down. No debugger listens to these tests.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

using namespace testing;

class PrinterWithoutDebugger : public TestEventListener {
public:
    explicit PrinterWithoutDebugger(TestEventListener* printer) : printer_(printer) {}

    void OnTestPartResult(const TestPartResult& result) override
    {
        if (result.type() == TestPartResult::kSuccess)
            return;
        std::printf("%s:%d: %s\n%s\n", result.file_name() != nullptr ? result.file_name() : "unknown file",
                    result.line_number(), result.skipped() ? "Skipped" : "Failure", result.message());
        std::fflush(stdout);
    }

    void OnTestProgramStart(const UnitTest& test) override { printer_->OnTestProgramStart(test); }
    void OnTestIterationStart(const UnitTest& test, int i) override { printer_->OnTestIterationStart(test, i); }
    void OnEnvironmentsSetUpStart(const UnitTest& test) override { printer_->OnEnvironmentsSetUpStart(test); }
    void OnEnvironmentsSetUpEnd(const UnitTest& test) override { printer_->OnEnvironmentsSetUpEnd(test); }
    void OnTestSuiteStart(const TestSuite& suite) override { printer_->OnTestSuiteStart(suite); }
    void OnTestCaseStart(const TestCase& suite) override { printer_->OnTestCaseStart(suite); }
    void OnTestStart(const TestInfo& test) override { printer_->OnTestStart(test); }
    void OnTestDisabled(const TestInfo& test) override { printer_->OnTestDisabled(test); }
    void OnTestEnd(const TestInfo& test) override { printer_->OnTestEnd(test); }
    void OnTestSuiteEnd(const TestSuite& suite) override { printer_->OnTestSuiteEnd(suite); }
    void OnTestCaseEnd(const TestCase& suite) override { printer_->OnTestCaseEnd(suite); }
    void OnEnvironmentsTearDownStart(const UnitTest& test) override { printer_->OnEnvironmentsTearDownStart(test); }
    void OnEnvironmentsTearDownEnd(const UnitTest& test) override { printer_->OnEnvironmentsTearDownEnd(test); }
    void OnTestIterationEnd(const UnitTest& test, int i) override { printer_->OnTestIterationEnd(test, i); }
    void OnTestProgramEnd(const UnitTest& test) override { printer_->OnTestProgramEnd(test); }

private:
    std::unique_ptr<TestEventListener> printer_;
};

// Before any main runs: the calculation's tests take GoogleTest's.
const bool replaced = [] {
    TestEventListeners& listeners = UnitTest::GetInstance()->listeners();
    listeners.Append(new PrinterWithoutDebugger(listeners.Release(listeners.default_result_printer())));
    return true;
}();

}  // namespace
