// Stands in for a system program the messenger starts (the help viewer "hh.exe", the control
// panel "control.exe"): placed beside the program, it is found first, and it appends its command
// line to "<its own name>_calls.txt" in its folder.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string record(path);
    std::size_t dot = record.find_last_of('.');
    record = record.substr(0, dot) + "_calls.txt";
    if (FILE* out = std::fopen(record.c_str(), "ab")) {
        std::fprintf(out, "%s\n", GetCommandLineA());
        std::fclose(out);
    }
    return 0;
}
