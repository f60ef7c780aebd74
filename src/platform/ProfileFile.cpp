// ProfileFile.cpp -- reading, editing and atomically replacing a private-profile file.
#include "platform/ProfileFile.h"

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// Case-blind for ASCII letters only, whatever the locale says: the keys are ASCII.
bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

bool HoldsLineBreakOrNul(std::string_view text)
{
    return text.find_first_of(std::string_view("\n\r\0", 3)) != std::string_view::npos;
}

enum class LineKind
{
    Other, // blank, comment, junk: skipped by reads, kept by writes
    Section,
    Entry,
};

struct ParsedLine
{
    LineKind kind = LineKind::Other;
    std::string_view name; // the section name or the key, trimmed
    size_t valueStart = 0; // entries: the index just after the '='
};

ParsedLine Parse(const std::string& text)
{
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    if (first == text.size() || text[first] == ';')
        return {};
    const std::string_view view = text;
    if (text[first] == '[') {
        const size_t close = text.find(']', first + 1);
        if (close == std::string::npos)
            return {}; // a broken header opens no section
        return {LineKind::Section, Trim(view.substr(first + 1, close - first - 1)), 0};
    }
    const size_t equals = text.find('=', first);
    if (equals == std::string::npos)
        return {};
    return {LineKind::Entry, Trim(view.substr(first, equals - first)), equals + 1};
}

bool IsBlankLine(const std::string& text)
{
    return Trim(text).empty();
}

bool WriteAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<size_t>(written);
    }
    return true;
}

// Creates `folder` and any missing folder above it, each with mode 0700: they hold one user's
// settings. True when the folder exists afterwards.
bool CreateFolder(const std::string& folder)
{
    for (size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1))
        mkdir(folder.substr(0, slash).c_str(), 0700);
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info;
    if (stat(folder.c_str(), &info) != 0)
        return false;
    if (!S_ISDIR(info.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    return true;
}
} // namespace

CProfileFile::CProfileFile(std::string path) : path(std::move(path)) {}

// ---------------------------------------------------------------------------------------------
// Reading

CProfileFile::State CProfileFile::Load()
{
    lines.clear();
    byteOrderMark.clear();
    loadedText.clear();
    problem.clear();
    state = State::Failed;
    if (path.empty()) {
        problem = "has no name";
        return state;
    }

    // Non-blocking, so that a pipe planted under the file's name cannot stall the start.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT)
            return state = State::Missing;
        Fail("cannot be opened", errno);
        return state;
    }
    struct stat info;
    if (fstat(fd, &info) != 0) {
        Fail("cannot be examined", errno);
        close(fd);
        return state;
    }
    if (!S_ISREG(info.st_mode)) {
        problem = S_ISDIR(info.st_mode) ? "is a folder" : "is not a plain file";
        close(fd);
        return state;
    }

    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            Fail("cannot be read", errno);
            close(fd);
            return state;
        }
        if (got == 0)
            break;
        text.append(buffer, static_cast<size_t>(got));
        if (text.size() > kMaxFileBytes) {
            close(fd);
            problem = "is larger than " + std::to_string(kMaxFileBytes / 1024) + " KiB, too large for a settings file";
            return state;
        }
    }
    close(fd);

    size_t start = 0;
    if (std::string_view(text).substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        byteOrderMark = kByteOrderMark;
        start = kByteOrderMark.size();
    }
    while (start < text.size()) {
        const size_t newline = text.find('\n', start);
        if (newline == std::string::npos) {
            lines.push_back({text.substr(start), ""});
            break;
        }
        size_t end = newline;
        std::string ending = "\n";
        if (end > start && text[end - 1] == '\r') {
            --end;
            ending = "\r\n";
        }
        lines.push_back({text.substr(start, end - start), std::move(ending)});
        start = newline + 1;
    }
    loadedText = std::move(text);
    return state = State::Read;
}

std::string CProfileFile::GetString(const std::string& section, const std::string& key) const
{
    const std::string_view wantedSection = Trim(section);
    const std::string_view wantedKey = Trim(key);
    bool inSection = false;
    for (const Line& line : lines) {
        const ParsedLine parsed = Parse(line.text);
        if (parsed.kind == LineKind::Section) {
            inSection = SameName(parsed.name, wantedSection);
        } else if (parsed.kind == LineKind::Entry && inSection && SameName(parsed.name, wantedKey)) {
            std::string_view value = std::string_view(line.text).substr(parsed.valueStart);
            value = Trim(value.substr(0, value.find('\0')));
            return std::string(value.substr(0, kMaxValueLength));
        }
    }
    return "";
}

std::string CProfileFile::ReadString(const std::string& section, const std::string& key)
{
    Load();
    return GetString(section, key);
}

// ---------------------------------------------------------------------------------------------
// Editing

bool CProfileFile::SetString(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string_view wantedSection = Trim(section);
    const std::string_view wantedKey = Trim(key);
    if (HoldsLineBreakOrNul(section) || wantedSection.find(']') != std::string_view::npos)
        return false;
    if (HoldsLineBreakOrNul(key) || wantedKey.empty() || wantedKey.find('=') != std::string_view::npos ||
        wantedKey.front() == ';' || wantedKey.front() == '[')
        return false;
    if (HoldsLineBreakOrNul(value))
        return false;

    // A key missing from its section is added after the section's last non-blank line, so that
    // a blank line separating it from the next section stays where it is.
    bool inSection = false;
    bool inFirstSection = false;
    bool sectionFound = false;
    size_t insertAfter = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        Line& line = lines[i];
        const ParsedLine parsed = Parse(line.text);
        if (parsed.kind == LineKind::Section) {
            inSection = SameName(parsed.name, wantedSection);
            inFirstSection = inSection && !sectionFound;
            if (inFirstSection) {
                sectionFound = true;
                insertAfter = i;
            }
            continue;
        }
        if (inFirstSection && !IsBlankLine(line.text))
            insertAfter = i;
        if (parsed.kind == LineKind::Entry && inSection && SameName(parsed.name, wantedKey)) {
            // Only the value changes; the key's spelling and the blanks around '=' stay.
            size_t keep = parsed.valueStart;
            while (keep < line.text.size() && (line.text[keep] == ' ' || line.text[keep] == '\t'))
                ++keep;
            line.text = line.text.substr(0, keep) + value;
            return true;
        }
    }

    const std::string entry = std::string(wantedKey) + "=" + value;
    if (sectionFound) {
        InsertLine(insertAfter + 1, entry);
        return true;
    }
    if (!lines.empty() && !IsBlankLine(lines.back().text))
        InsertLine(lines.size(), "");
    InsertLine(lines.size(), "[" + std::string(wantedSection) + "]");
    InsertLine(lines.size(), entry);
    return true;
}

// New lines follow the file's own line ends: those of its first line, else LF.
std::string CProfileFile::LineEnding() const
{
    for (const Line& line : lines) {
        if (!line.ending.empty())
            return line.ending;
    }
    return "\n";
}

void CProfileFile::InsertLine(size_t index, std::string text)
{
    const std::string ending = LineEnding();
    if (index > 0 && lines[index - 1].ending.empty())
        lines[index - 1].ending = ending; // only a last line can lack one
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), Line{std::move(text), ending});
}

std::string CProfileFile::Text() const
{
    std::string text = byteOrderMark;
    for (const Line& line : lines)
        text += line.text + line.ending;
    return text;
}

// ---------------------------------------------------------------------------------------------
// Writing

bool CProfileFile::Save()
{
    if (state == State::NotLoaded) {
        problem = "was not read before writing";
        return false;
    }
    if (state == State::Failed) {
        // What could not be read must not be replaced by what little we know of it.
        if (problem.empty())
            problem = "cannot be read";
        return false;
    }
    problem.clear();
    const std::string text = Text();
    if (text == loadedText && (state == State::Read || text.empty()))
        return true;
    if (!WriteReplacement(text))
        return false;
    loadedText = text;
    state = State::Read;
    return true;
}

bool CProfileFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    if (Load() == State::Failed)
        return false;
    if (!SetString(section, key, value)) {
        problem = "cannot hold that section, key or value";
        return false;
    }
    return Save();
}

bool CProfileFile::Fail(const std::string& what, int error)
{
    problem = what + ": " + std::strerror(error);
    return false;
}

// The old file stays complete until the rename, which replaces it in one step: a crash at any
// moment leaves either the old text or the new one, never a mixture or a truncated file.
bool CProfileFile::WriteReplacement(const std::string& text)
{
    // A settings file that is a link (into a folder of dotfiles, say) stays a link: the file it
    // names is the one replaced.
    std::string target = path;
    struct stat info;
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* resolved = realpath(path.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);

    mode_t mode = 0600;
    if (stat(target.c_str(), &info) == 0)
        mode = info.st_mode & 07777;
    else if (!CreateFolder(folder))
        return Fail("cannot be created: its folder " + folder + " cannot be made", errno);

    // mkostemp creates the file with O_CREAT | O_EXCL under a fresh name, mode 0600: nothing that
    // was there before, a planted link included, is ever opened or followed.
    std::string pattern = (folder == "/" ? "" : folder) + "/." + name + ".XXXXXX";
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return Fail("cannot be written", errno);

    bool written = WriteAll(fd, text) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && rename(temporary.data(), target.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        unlink(temporary.data());
        return Fail("cannot be written", error);
    }

    // The rename reaches the disk with the folder's own entry list.
    const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        fsync(folderFd);
        close(folderFd);
    }
    return true;
}
