#pragma once
// Reads the two data files with the data layer's own loader and says, with file, line and
// column, everything that loader does with them silently.
#include <QString>

#include <cstddef>
#include <string>
#include <vector>

namespace checker {

struct Note {
    std::string Path;
    std::size_t Line = 0;   // from 1, the header being line 1
    std::size_t Column = 1; // 1-based byte offset in the line
    QString Message;
};

struct Finding {
    std::string Path;
    std::size_t Line = 0;
    std::size_t Column = 1;
    std::string Id; // never translated
    QString Message;
    std::vector<Note> Notes;
};

struct Report {
    // In file order, the ship file's first.
    std::vector<Finding> Findings;
    // Files that could not be read, with the message to show for each.
    std::vector<std::pair<std::string, QString>> Unreadable;
    int ShipsLoaded = 0;
};

// Checks the two files; changes nothing and shows no message box.
Report Check(const std::string& shipFile, const std::string& materialFile);

// "PATH:LINE:COLUMN: warning: MESSAGE [ID]" and a line per note, each ending in "\n", UTF-8.
std::string Format(const Finding& finding);
// "PATH: error: MESSAGE [unreadable]\n".
std::string FormatUnreadable(const std::string& path, const QString& message);
// The closing line of standard error.
QString Summary(const Report& report);

} // namespace checker
