// Starts the ship build planner, which reads .\data\, in the user's own data folder
// (%APPDATA%\shipplanner) when that holds both files, and in the installed sample data's folder
// (this program's own) otherwise. The Start menu calls it: the installation folder is not the
// user's to write in.
#include <windows.h>

#include <string>

namespace {

bool HasDataFiles(const std::wstring& folder)
{
    for (const wchar_t* name : {L"\\data\\ship_varietion.csv", L"\\data\\ship_material.csv"}) {
        const DWORD attributes = GetFileAttributesW((folder + name).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            return false;
    }
    return true;
}

std::wstring ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return L".";
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring Environment(const wchar_t* name)
{
    std::wstring value(GetEnvironmentVariableW(name, nullptr, 0), L'\0');
    const DWORD n = GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    value.resize(n < value.size() ? n : 0);
    return value;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::wstring installed = ProgramFolder();
    const std::wstring appData = Environment(L"APPDATA");
    const std::wstring own = appData + L"\\shipplanner";
    const std::wstring folder = !appData.empty() && HasDataFiles(own) ? own : installed;

    const std::wstring program = installed + L"\\shipplanner.exe";
    std::wstring command = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
        MessageBoxW(nullptr, (program + L" could not be started.").c_str(), L"shipplanner", MB_OK);
        return 1;
    }
    // Ends with the program, as the Linux launcher does, so whoever started it can wait for it.
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}
