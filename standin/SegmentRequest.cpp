// SPDX-License-Identifier: MIT
#include "SegmentRequest.h"

#include "NumberText.h"

#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace {

bool isNumberText(const std::string &text)
{
    const std::optional<double> value = readNumber(text);
    return value && writeNumber(*value) == text;
}

bool isIntegerText(const std::string &text)
{
    std::int16_t value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && writeInteger(value) == text;
}

std::string quoted(const std::string &argument)
{
    return '"' + argument + '"';
}

// Walks the arguments front to back; every step either takes what the grammar allows at
// that point or leaves the argument for a later step. The first rejection ends the walk:
// the reader then stands at the end and keeps that rejection.
class ArgumentReader
{
public:
    explicit ArgumentReader(const std::vector<std::string> &arguments) : m_arguments(arguments) { }

    const std::optional<std::string> &rejection() const { return m_rejection; }

    bool atEnd() const { return m_next == m_arguments.size(); }

    bool nextIs(std::initializer_list<std::string_view> words) const
    {
        for (const std::string_view word : words) {
            if (!atEnd() && m_arguments[m_next] == word)
                return true;
        }
        return false;
    }

    std::string take() { return m_arguments[m_next++]; }

    std::string takeFlag(std::initializer_list<std::string_view> words)
    {
        return nextIs(words) ? take() : std::string();
    }

    std::string takeNumber(const std::string &flag)
    {
        return takeValue(flag,
                         "a number written as the front end writes it (such as 30, -2.5, 1E+16)",
                         isNumberText);
    }

    std::string takeInteger(const std::string &flag)
    {
        return takeValue(flag, "a whole number from -32768 to 32767", isIntegerText);
    }

    std::string takePath(const std::string &flag)
    {
        return takeValue(flag, "the output path", [](const std::string &) { return true; });
    }

    void reject(const std::string &why)
    {
        if (!m_rejection)
            m_rejection = why;
        m_next = m_arguments.size();
    }

    void rejectNext(const std::string &why)
    {
        if (!atEnd())
            reject(quoted(m_arguments[m_next]) + " (argument " + std::to_string(m_next + 1)
                   + "): " + why);
    }

private:
    std::string takeValue(const std::string &flag, const std::string &what,
                          bool (*isValid)(const std::string &))
    {
        if (atEnd())
            reject(flag + " must be followed by " + what);
        else if (!isValid(m_arguments[m_next]))
            rejectNext("expected " + what + " after " + flag);
        return atEnd() ? std::string() : take();
    }

    const std::vector<std::string> &m_arguments;
    std::size_t m_next = 0;
    std::optional<std::string> m_rejection;
};

bool isTurn(const std::string &kind)
{
    return kind == "-9" || kind == "-U" || kind == "-O";
}

std::string segmentLine(const SegmentRequest &request)
{
    if (request.kind.empty())
        return "straight";
    const std::string side = request.direction == "-l" ? "left" : "right";
    if (request.kind == "-9")
        return "90-degree turn to the " + side + ", diameter " + request.segmentNumber;
    if (request.kind == "-U")
        return "180-degree turn to the " + side + ", diameter " + request.segmentNumber;
    if (request.kind == "-S")
        return "slide to the " + side + ", amount " + request.segmentNumber;
    return "loop to the " + side + ", number " + request.segmentNumber;
}

std::string twistLine(const SegmentRequest &request)
{
    if (request.twist.empty())
        return "none";
    const std::string name = request.twist == "-b" ? "bank"
        : request.twist == "-t"                    ? "tilt"
                                                   : "dip";
    return name + ", height " + request.twistNumber;
}

std::string widthLine(const SegmentRequest &request)
{
    if (request.width == "-w")
        return "double";
    if (request.width == "-n")
        return "narrow";
    if (request.width == "-s")
        return "spread";
    return "normal";
}

std::string orNone(const std::optional<std::string> &value)
{
    return value.value_or("none");
}

} // namespace

Result<SegmentRequest, std::string> SegmentRequest::parse(const std::vector<std::string> &arguments)
{
    SegmentRequest request;
    ArgumentReader reader(arguments);

    request.direction = reader.takeFlag({"-l", "-r"});
    if (!request.direction.empty()) {
        if (reader.atEnd())
            reader.reject(request.direction + " must be followed by -9, -U, -S or -O");
        request.kind = reader.takeFlag({"-9", "-U", "-S", "-O"});
        if (request.kind.empty())
            reader.rejectNext("expected -9, -U, -S or -O after " + request.direction);
        request.segmentNumber = reader.takeNumber(request.kind);
    }

    if (reader.nextIs({"-b", "-t", "-d"}) && !isTurn(request.kind))
        reader.rejectNext("a twist needs a -9, -U or -O segment before it");
    request.twist = reader.takeFlag({"-b", "-t", "-d"});
    if (!request.twist.empty())
        request.twistNumber = reader.takeNumber(request.twist);

    if (reader.nextIs({"-c"}))
        request.hump = reader.takeNumber(reader.take());
    if (reader.nextIs({"-h"}))
        request.rise = reader.takeNumber(reader.take());
    if (reader.nextIs({"-x"}) && isTurn(request.kind))
        reader.rejectNext("a length cannot go with a -9, -U or -O segment");
    if (reader.nextIs({"-x"}))
        request.length = reader.takeNumber(reader.take());

    request.width = reader.takeFlag({"-w", "-n", "-s"});
    if (reader.nextIs({"-m"}))
        request.textureSpace = reader.takeInteger(reader.take());
    if (reader.nextIs({"-p"}))
        request.surface = reader.takeInteger(reader.take());
    request.flat = !reader.takeFlag({"-f"}).empty();

    if (reader.atEnd())
        reader.reject("missing -o and the output path");
    else if (!reader.nextIs({"-o"}))
        reader.rejectNext("unknown, repeated or out of order");
    else
        request.outputPath = reader.takePath(reader.take());
    reader.rejectNext("nothing may follow the output path");
    if (reader.rejection())
        return Failure {*reader.rejection()};
    return request;
}

std::string SegmentRequest::description() const
{
    return "Segment: " + segmentLine(*this) + "\nTwist: " + twistLine(*this)
        + "\nHump: " + orNone(hump) + "\nRise: " + orNone(rise) + "\nLength: " + orNone(length)
        + "\nWidth: " + widthLine(*this) + "\nTexture space: " + orNone(textureSpace)
        + "\nSurface: " + orNone(surface) + "\nFlat: " + (flat ? "yes" : "no") + '\n';
}
