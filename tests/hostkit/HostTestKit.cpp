#include "HostTestKit.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace kztest {

std::string programFolder() {
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    return fs::path(program).parent_path().string();
}

RunFolder::RunFolder(const std::string& name) : partsFolder_(programFolder()) {
    const fs::path runs = fs::path(partsFolder_) / "runs";
    fs::create_directories(runs);
    for (const fs::directory_entry& earlier : fs::directory_iterator(runs))
        if (earlier.path().filename().string().rfind(name + "-", 0) == 0)
            fs::remove_all(earlier.path());
    path_ = (runs / (name + "-" + std::to_string(GetCurrentProcessId()))).string();
    fs::create_directory(path_);
}

void RunFolder::copyPart(const std::string& part, const std::string& as) const {
    fs::copy_file(fs::path(partsFolder_) / part, file(as.empty() ? part : as),
                  fs::copy_options::overwrite_existing);
}

void RunFolder::write(const std::string& relative, const std::string& bytes) const {
    std::ofstream(file(relative), std::ios::binary) << bytes;
}

void RunFolder::makeFolder(const std::string& relative) const {
    fs::create_directories(file(relative));
}

std::string readFile(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

Launch startLauncher(const RunFolder& run, const std::string& arguments) {
    return startProgramIn(run.path(), "kzlaunch.exe", arguments);
}

Launch startProgramIn(const std::string& folder, const std::string& program,
                      const std::string& arguments) {
    Launch launched;
    launched.outputFile = folder + "\\" + program + "-output.txt";
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE output =
        CreateFileA(launched.outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = startup.hStdOutput = output;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + folder + "\\" + program + "\" " + arguments;
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                       &startup, &info)) {
        CloseHandle(info.hThread);
        launched.process = info.hProcess;
    }
    CloseHandle(output);
    return launched;
}

void finish(Launch& launch) {
    if (!launch.process) return;
    WaitForSingleObject(launch.process, 60000);
    GetExitCodeProcess(launch.process, &launch.exitCode);
    CloseHandle(launch.process);
    launch.process = nullptr;
    launch.output = readFile(launch.outputFile);
}

Counts readCounts(const std::string& path) {
    Counts counts;
    std::istringstream lines(readFile(path));
    for (std::string line; std::getline(lines, line);)
        if (const std::size_t equals = line.find('='); equals != std::string::npos)
            counts[line.substr(0, equals)] = std::atoll(line.c_str() + equals + 1);
    return counts;
}

Launch runLauncher(const RunFolder& run, const std::string& arguments) {
    Launch launch = startLauncher(run, arguments);
    finish(launch);
    return launch;
}

void sendKey(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

void clickAt(HWND window, POINT point) {
    ClientToScreen(window, &point);
    INPUT input[3] = {};
    for (INPUT& i : input)
        i.type = INPUT_MOUSE;
    input[0].mi.dx = point.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input[0].mi.dy = point.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, input, sizeof(INPUT));
}

}  // namespace kztest
