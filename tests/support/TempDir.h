#pragma once
// A temporary folder for test data, removed again with the object.
#include <filesystem>
#include <string>
#include <string_view>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return Root; }
    // Writes `bytes` to the relative path, creating folders on the way; returns the full path.
    std::string write(const std::string& relative, std::string_view bytes) const;

private:
    std::filesystem::path Root;
};

// Makes a folder the working directory for as long as the object lives.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& dir);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path Previous;
};
