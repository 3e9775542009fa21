// SPDX-License-Identifier: MIT
#include "TestFiles.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include "WindowsApi.h"
#else
#include <cstdlib>
#endif

namespace fs = std::filesystem;

fs::path pathOf(const std::string &utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string textOf(const fs::path &path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool writeFile(const std::string &path, const std::string &contents)
{
    std::ofstream file(pathOf(path), std::ios::binary);
    file << contents;
    file.close();
    return bool(file);
}

std::string readFile(const std::string &path)
{
    std::ifstream file(pathOf(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TemporaryFolder::TemporaryFolder()
{
    static std::atomic<unsigned> count;
    const std::string name =
        "lapforge-test-" + std::to_string(std::random_device()()) + '-' + std::to_string(++count);
    const fs::path folder = fs::temp_directory_path() / name;
    fs::create_directories(folder);
    m_path = textOf(folder);
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code error;
    fs::remove_all(pathOf(m_path), error);
}

std::string TemporaryFolder::filePath(const std::string &name) const
{
    return textOf(pathOf(m_path) / pathOf(name));
}

CurrentFolder::CurrentFolder(const std::string &path) : m_previous(fs::current_path())
{
    fs::current_path(pathOf(path));
}

CurrentFolder::~CurrentFolder()
{
    std::error_code error;
    fs::current_path(m_previous, error);
}

namespace {

const std::string countLine = "Arguments received: ";

} // namespace

std::string reportOf(const std::vector<std::string> &arguments)
{
    std::string report = countLine + std::to_string(arguments.size()) + '\n';
    for (const std::string &argument : arguments)
        report += argument + '\n';
    return report;
}

std::string recordedReport(const std::string &reportPath)
{
    const std::string text = readFile(reportPath);
    const std::size_t start = text.find(countLine);
    return start == std::string::npos ? std::string() : text.substr(start);
}

CommandLine commandOf(const std::string &program, const std::vector<std::string> &arguments)
{
    CommandLine command(program);
    for (const std::string &argument : arguments)
        command.appendArgument(argument);
    return command;
}

bool eventually(const std::function<bool()> &condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void setEnvironment(const std::string &name, const std::string &value)
{
#ifdef _WIN32
    const std::wstring wideName = pathOf(name).wstring();
    const std::wstring wideValue = pathOf(value).wstring();
    SetEnvironmentVariableW(wideName.c_str(), value.empty() ? nullptr : wideValue.c_str());
#else
    if (value.empty())
        unsetenv(name.c_str());
    else
        setenv(name.c_str(), value.c_str(), 1);
#endif
}
