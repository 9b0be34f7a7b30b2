#pragma once
// A fresh temporary working folder, entered for the life of the object: for
// tests and benchmarks that run the program on real files.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/TextFile.h"

namespace ktq::testsupport {

class WorkingFolder {
  public:
    WorkingFolder() {
        static int counter = 0;
        previous_ = std::filesystem::current_path();
        path_ = std::filesystem::temp_directory_path() /
                ("ktq-app-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~WorkingFolder() {
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
        std::filesystem::remove_all(path_, ec);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / OsPath(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(path_ / OsPath(name), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool Exists(const std::string& name) const {
        return std::filesystem::exists(path_ / OsPath(name));
    }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace ktq::testsupport
