// run-with-lone-surrogate PROGRAM ARGUMENTS...: starts PROGRAM with the arguments and,
// last, one that is not UTF-16 (a lone surrogate, which a Windows file name may hold
// but no Linux command line can hand to a Windows program); exits with its status.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t *argv[])
{
    constexpr int kNotStarted = 125;
    if (argc < 2)
        return kNotStarted;
    std::wstring commandLine;
    for (int i = 1; i < argc; ++i)
        commandLine += L'"' + std::wstring(argv[i]) + L"\" ";
    commandLine += L'\xD800';
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return kNotStarted;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = kNotStarted;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return int(status);
}
