// The drawing tool's command file: key lines "-cmd", "-engpath", "-xmlpath", "-name", "-id", each followed by a
// value line.
#include "shell/CommandFile.h"

#include "platform/TextFile.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// No line the drawing tool writes is longer than a path: PATH_MAX bytes (the terminating zero included) and the
// double quotes around it. A longer line, or a file longer than a few thousand such lines, is not a command file
// (a device, a stream without end), and reading it stops there instead of growing without bound.
constexpr size_t kMaxLine = PATH_MAX + 2;
constexpr long kMaxFileBytes = 1L << 20;

// Reads lines of at most kMaxLine characters (CR LF or LF removed) and at most kMaxFileBytes in all.
class BoundedLines {
public:
    explicit BoundedLines(std::FILE* file) : m_file(file) {}
    // False at the end of the file, or when a bound is passed (Overrun then tells).
    bool Next(CString& line)
    {
        std::string text;
        bool any = false;
        int c;
        while ((c = std::getc(m_file)) != EOF) {
            any = true;
            if (++m_total > kMaxFileBytes) {
                m_overrun = true;
                return false;
            }
            if (c == '\n')
                break;
            if (text.size() > kMaxLine) {
                m_overrun = true;
                return false;
            }
            text += static_cast<char>(c);
        }
        if (!any)
            return false;
        if (c == '\n' && !text.empty() && text.back() == '\r')
            text.pop_back();
        if (text.size() > kMaxLine) {
            m_overrun = true;
            return false;
        }
        line = CString(std::move(text));
        return true;
    }
    bool Overrun() const { return m_overrun; }

private:
    std::FILE* m_file;
    long m_total = 0;
    bool m_overrun = false;
};

// A path value may come in double quotes or not.
CString StripQuotes(CString value)
{
    value.TrimLeft('"');
    value.TrimRight('"');
    return value;
}

// The leading decimal number of a line, as a formatted read takes it: white space skipped, optional sign, digits.
int LeadingNumber(const CString& line)
{
    long value = std::strtol(line, nullptr, 10);
    if (value > 0x7FFFFFFFL || value < -0x7FFFFFFFL - 1)
        return 0;
    return static_cast<int>(value);
}

bool StartsWithNumber(const CString& text)
{
    int first = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    return text[first] >= '0' && text[first] <= '9';
}

}  // namespace

CString FolderOfPath(const CString& path)
{
    int slash = path.ReverseFind('/');
    int backslash = path.ReverseFind('\\');
    int last = slash > backslash ? slash : backslash;
    return last < 0 ? CString() : path.Left(last);
}

bool ReadCommandFile(const char* path, StartContext& values)
{
    values = StartContext();
    std::FILE* file = platform::OpenRegularForReading(path);
    if (!file)
        return false;
    BoundedLines lines(file);
    CString line;
    bool pending = false;  // a line read as a possible "-id" value that turned out to be the next key
    while (pending || lines.Next(line)) {
        pending = false;
        const bool isCmd = line == "-cmd";
        const bool isEngPath = line == "-engpath";
        const bool isXmlPath = line == "-xmlpath";
        const bool isName = line == "-name";
        const bool isId = line == "-id";
        if (!isCmd && !isEngPath && !isXmlPath && !isName && !isId)
            continue;
        CString value;
        if (isId) {
            // White space and blank lines before the number are skipped; the rest of the number's line is not
            // used. A line without a number is no value: it is looked at again as a key.
            values.id = 0;
            while (lines.Next(value)) {
                CString trimmed(value);
                trimmed.TrimLeft();
                if (trimmed.IsEmpty())
                    continue;
                if (StartsWithNumber(trimmed)) {
                    values.id = LeadingNumber(trimmed);
                } else {
                    line = value;
                    pending = true;
                }
                break;
            }
            continue;
        }
        if (!lines.Next(value))
            value.Empty();
        if (isCmd) {
            values.cmd = value;
        } else if (isEngPath) {
            values.engPath = StripQuotes(value);
        } else if (isXmlPath) {
            values.xmlPath = StripQuotes(value);
            values.xmlDir = FolderOfPath(values.xmlPath);
        } else {
            int dollar = value.Find('$');
            values.name = dollar < 0 ? value : value.Left(dollar);
        }
    }
    std::fclose(file);
    if (lines.Overrun()) {
        values = StartContext();
        return false;
    }
    return true;
}

bool ParseCmdFileArgument(const std::vector<CString>& args, StartContext& values)
{
    if (args.empty())
        return false;
    bool result = true;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "-cmdfile" || i + 1 >= args.size())
            continue;
        CString path = StripQuotes(args[++i]);
        if (path.IsEmpty())
            continue;
        if (!ReadCommandFile(path, values))
            result = false;
    }
    return result;
}
