#include "Kit/KitLib/ReportLine.h"

#include <cstdio>

namespace
{
ReportLineSink g_debugOutput = nullptr;

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80)
        out += static_cast<char>(c);
    else if (c < 0x800)
    {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    else if (c < 0x10000)
    {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    else
    {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Wide strings hold UTF-16 code units on Windows and whole code points elsewhere; both become UTF-8.
std::string ToUtf8(wchar_t const* text)
{
    std::string out;
    for (; *text; ++text)
    {
        char32_t c = static_cast<char32_t>(*text);
        if (c >= 0xD800 && c <= 0xDBFF && text[1] >= 0xDC00 && text[1] <= 0xDFFF)
        {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[1]) - 0xDC00);
            ++text;
        }
        AppendUtf8(out, c);
    }
    return out;
}

void DefaultSink(wchar_t const* line)
{
    std::string const utf8 = ToUtf8(line) + "\n";
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
    if (g_debugOutput != nullptr)
        g_debugOutput((std::wstring(line) + L"\n").c_str());
}

ReportLineSink g_sink = &DefaultSink;
} // namespace

void _WriteReportLine(std::wstring const& line)
{
    g_sink(line.c_str());
}

ReportLineSink _SetReportLineSink(ReportLineSink sink)
{
    ReportLineSink const previous = g_sink;
    g_sink = sink != nullptr ? sink : &DefaultSink;
    return previous == &DefaultSink ? nullptr : previous;
}

ReportLineSink _SetDebugOutput(ReportLineSink output)
{
    ReportLineSink const previous = g_debugOutput;
    g_debugOutput = output;
    return previous;
}
