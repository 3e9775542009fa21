// SPDX-License-Identifier: MIT
#include "GeneratorRun.h"
#include "ErrorOutputTrimmer.h"

#include <utility>

GeneratorRun::GeneratorRun(std::string program, long long process, EndHandle end,
                           EndHandle errorOutput)
    : m_program(std::move(program)), m_process(process), m_end(end), m_errorOutput(errorOutput),
      m_trimmer(trimmerOf(errorOutput))
{ }

GeneratorRun::GeneratorRun(GeneratorRun &&other) noexcept
    : m_program(std::move(other.m_program)), m_process(std::exchange(other.m_process, 0)),
      m_end(std::exchange(other.m_end, noHandle)),
      m_errorOutput(std::exchange(other.m_errorOutput, noHandle)),
      m_trimmer(std::move(other.m_trimmer))
{ }

GeneratorRun &GeneratorRun::operator=(GeneratorRun &&other) noexcept
{
    if (this != &other) {
        release();
        m_program = std::move(other.m_program);
        m_process = std::exchange(other.m_process, 0);
        m_end = std::exchange(other.m_end, noHandle);
        m_errorOutput = std::exchange(other.m_errorOutput, noHandle);
        m_trimmer = std::move(other.m_trimmer);
    }
    return *this;
}

GeneratorRun::~GeneratorRun()
{
    release();
}

bool GeneratorRun::watching() const
{
    return m_end != noHandle;
}
