// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh temporary folder for tests and benchmarks that run the program on
// real files, with the program's file system on it. The process's working
// folder is never changed: the program reaches the folder through the
// platform's file system.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/DiskFileSystem.h"
#include "platform/FileName.h"

namespace ktq::testsupport {

class WorkingFolder {
  public:
    WorkingFolder()
        : path_(FreshPath()), files_((std::filesystem::create_directories(path_), path_)) {}
    ~WorkingFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The real disk in this folder, as the program sees it.
    FileSystem& Files() { return files_; }
    // Names are the program's Windows-1252 text.
    std::filesystem::path PathOf(const std::string& name) const {
        return path_ / FileName(name).System();
    }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(PathOf(name), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(PathOf(name)); }
    // Under a name as the system spells it (bytes), which Windows-1252 may
    // not be able to spell at all.
    void WriteSystemNamed(const std::string& systemName, const std::string& bytes) const {
        std::ofstream(path_ / systemName, std::ios::binary) << bytes;
    }
    std::string ReadSystemNamed(const std::string& systemName) const {
        std::ifstream in(path_ / systemName, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

  private:
    static std::filesystem::path FreshPath() {
        static int counter = 0;
        std::filesystem::path p =
            std::filesystem::temp_directory_path() /
            ("ktq-app-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(p);
        return p;
    }

    std::filesystem::path path_;
    DiskFileSystem files_;
};

}  // namespace ktq::testsupport
