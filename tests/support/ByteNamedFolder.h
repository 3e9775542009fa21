// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

// A folder created and removed by its bytes: Qt's own clean-up decodes names as text and
// cannot find one that is not valid UTF-8.
class ByteNamedFolder
{
public:
    explicit ByteNamedFolder(std::string path) : m_path(std::move(path))
    {
        std::filesystem::create_directories(m_path, m_error);
    }
    ~ByteNamedFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ByteNamedFolder(const ByteNamedFolder &) = delete;
    ByteNamedFolder &operator=(const ByteNamedFolder &) = delete;

    bool isValid() const { return !m_error; }
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
    std::error_code m_error;
};
