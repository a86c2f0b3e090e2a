// GoogleTest copies each message it prints to a debugger with
// OutputDebugStringA, which raises an exception that the system, with no
// debugger attached, catches and unwinds. 32-bit Wine on qemu-i386 7.2 faults
// in that unwinding and takes the test program down with it. No debugger
// listens to these tests: the exception is dismissed before any unwinding.
#include <windows.h>

namespace {

LONG CALLBACK dismissDebugOutput(EXCEPTION_POINTERS* exception)
{
    return exception->ExceptionRecord->ExceptionCode == DBG_PRINTEXCEPTION_C ? EXCEPTION_CONTINUE_EXECUTION
                                                                             : EXCEPTION_CONTINUE_SEARCH;
}

const PVOID dismisser = AddVectoredExceptionHandler(1, dismissDebugOutput);

}  // namespace
