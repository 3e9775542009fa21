// SPDX-License-Identifier: MIT
#pragma once

#include "CommandLine.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Paths here are UTF-8 text, as the launch takes them; on Windows a narrow path would be
// read in the ANSI code page.
std::filesystem::path pathOf(const std::string &utf8);
std::string textOf(const std::filesystem::path &path);

bool writeFile(const std::string &path, const std::string &contents);
// The whole file; empty when it cannot be read.
std::string readFile(const std::string &path);

// A fresh folder, removed with everything in it when the test ends.
class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    const std::string &path() const { return m_path; }
    std::string filePath(const std::string &name) const;

private:
    std::string m_path;
};

// Makes `path` the working folder until the test ends, however it ends.
class CurrentFolder
{
public:
    explicit CurrentFolder(const std::string &path);
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder &) = delete;
    CurrentFolder &operator=(const CurrentFolder &) = delete;

private:
    std::filesystem::path m_previous;
};

// What the stand-in generator writes at the end of its output file for `arguments`: their
// count, then one per line.
std::string reportOf(const std::vector<std::string> &arguments);

// The end of the stand-in's output file from its count line on; empty while the file is
// missing. Compared whole with reportOf, so that an argument holding a line break still
// has to arrive intact.
std::string recordedReport(const std::string &reportPath);

// `program` with `arguments` appended, each one argument as it stands.
CommandLine commandOf(const std::string &program, const std::vector<std::string> &arguments);

// Checks until `condition` holds, for a minute at most: a started program takes its time.
bool eventually(const std::function<bool()> &condition);

// Sets an environment variable of this process, which the programs it starts inherit;
// an empty value removes it.
void setEnvironment(const std::string &name, const std::string &value);
