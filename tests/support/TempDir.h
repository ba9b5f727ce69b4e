#pragma once
// A fresh directory under the system's temporary directory, removed with its files.
#include <string>
#include <vector>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory, ending in a backslash.
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // The names of the files and directories in it, sorted.
    std::vector<std::string> Names() const;

private:
    std::string path_;
};
