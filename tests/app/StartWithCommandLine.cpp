// A stand-in for the suite in the Windows leg: starts a program with a command line written exactly as the suite
// writes it, read as UTF-8 from a file, so that neither a shell nor Wine quotes it again; or tells the system's
// code page, so that the leg knows which one its programs run at.
//   start_with_command_line FILE     runs FILE's command line, waits, and ends with the program's exit code
//   start_with_command_line --code-page
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2)
        return 2;
    if (std::wstring(argv[1]) == L"--code-page") {
        std::printf("%u\n", GetACP());
        return 0;
    }
    std::ifstream file(argv[1], std::ios::binary);
    std::string line((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    const int length = static_cast<int>(line.size());
    std::wstring commandLine(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, line.data(), length, nullptr, 0)),
                             L'\0');
    MultiByteToWideChar(CP_UTF8, 0, line.data(), length, commandLine.data(), static_cast<int>(commandLine.size()));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 3;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}
