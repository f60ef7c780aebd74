// ProfileFile.h -- a private-profile (INI) text file: named sections of "key=value" lines.
//
// The settings file is such a file, and people edit it by hand, so this class reads it the
// forgiving way and rewrites it the careful way:
//
//   [Aquarium Settings]        a section header; the name is matched without regard to case
//   Show Water=1               an entry; the key likewise, the value trimmed of blanks when read
//   ; anything else            comments, blank lines, lines without '=' and junk are skipped
//                              when reading and kept byte for byte when writing
//
// A missing key reads as empty text, and a read yields at most kMaxValueLength characters, as a
// reader with a 128-character buffer would see. Lines may end in LF or CRLF, and the file may
// open with a UTF-8 byte order mark; binary bytes are tolerated.
//
// The object holds the file's lines in memory between Load() and Save(). Setting a key replaces
// its value in place, or appends the entry to its section, or appends the section to the file;
// every other line stays as it was. Save() never leaves a half-written file behind, because the
// dialogs rewrite the file several times a second and the program may die at any moment: the new
// text goes into a fresh file beside the old one, is flushed to the disk, and is renamed over it.
//
// ReadString() and WriteString() are the one-call forms: each loads the file afresh, so two
// writers in the same process (the settings and the population dialog) never undo each other.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CProfileFile
{
public:
    static constexpr size_t kMaxValueLength = 127;
    // A settings file is about a kilobyte; anything beyond this is not one, and is left alone.
    static constexpr size_t kMaxFileBytes = 1 << 20;

    enum class State
    {
        NotLoaded, // Load() has not run
        Read,      // the file was read
        Missing,   // there is no file: it reads as empty, and Save() creates it
        Failed,    // the file is there but cannot be read; Save() refuses to replace it
    };

    explicit CProfileFile(std::string path);

    // Reads the file, dropping any change not yet saved.
    State Load();

    // The value of `key` in `section`, trimmed, at most kMaxValueLength characters, and cut at a
    // NUL byte; "" when either is missing.
    std::string GetString(const std::string& section, const std::string& key) const;

    // Sets `key` in `section` to `value`, in memory. Section and key are taken without their
    // surrounding blanks, as a read sees them. Returns false, changing nothing, for text that the
    // format cannot hold: a line break or NUL anywhere, a section name holding ']', or a key that
    // is empty, holds '=' or starts with ';' or '['.
    bool SetString(const std::string& section, const std::string& key, const std::string& value);

    // Replaces the file with the lines in memory, atomically; a file whose text would not change
    // is not touched. The file keeps its permission bits (a new one gets 0600), and a missing
    // folder is created with mode 0700. Returns false, with the file as it was, when the file
    // could not be loaded or any step of the write failed; Problem() then says why.
    bool Save();

    // Load() and GetString(): "" also when the file cannot be read.
    std::string ReadString(const std::string& section, const std::string& key);
    // Load(), SetString() and Save(): true when the file now holds the value.
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);

    const std::string& Path() const { return path; }
    State GetState() const { return state; }
    // Why the last Load() or Save() failed, for a message to the user; "" after a success.
    const std::string& Problem() const { return problem; }

private:
    struct Line
    {
        std::string text;   // without its line end
        std::string ending; // "\n", "\r\n", or "" for a last line without one
    };

    std::string Text() const;
    std::string LineEnding() const;
    void InsertLine(size_t index, std::string text);
    bool Fail(const std::string& what, int error);
    bool WriteReplacement(const std::string& text);

    std::string path;
    State state = State::NotLoaded;
    std::string problem;
    std::string byteOrderMark; // kept in front of the first line when the file had one
    std::vector<Line> lines;
    std::string loadedText; // the file as read ("" when missing): Save() skips an unchanged file
};
