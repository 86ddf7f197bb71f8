// A temporary folder for one test, removed with everything in it at the end of the test.
#pragma once

#include <filesystem>
#include <string>

namespace mirevo::testing_support {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Full path of a file inside the folder, as a narrow string.
    std::string File(const std::string& name) const;
    // Writes bytes to a file inside the folder and returns its full path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    // The bytes of a file inside the folder; empty when it does not exist.
    std::string Read(const std::string& name) const;

private:
    std::filesystem::path path_;
};

}  // namespace mirevo::testing_support
