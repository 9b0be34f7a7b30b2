// SPDX-License-Identifier: GPL-3.0-or-later
#include "DriverOptions.h"

#include <functional>
#include <map>
#include <ostream>

#include "text/CodePage.h"

namespace ktq {
namespace {

const char* kUsage =
    "usage: ktqtests-headless [--script FILE] [--folder DIR] [--echo] [--read-only]\n"
    "                         [--screen-height N]\n"
    "                         [--settings FILE] [--now \"YYYY-MM-DD HH:MM:SS\"] [--counter N]\n"
    "                         [-- PARAMETERS...]\n";

const char* kOptions =
    "\n"
    "Runs the program headless in a folder and reads one action a line from a script\n"
    "or standard input, printing what the window would show.\n"
    "\n"
    "  --script FILE          read the actions from FILE instead of standard input\n"
    "  --folder DIR           work on the files of DIR (default: the current folder)\n"
    "  --echo                 print each action before its output, as a transcript\n"
    "  --read-only            write no file in the folder, as a read-only second window\n"
    "  --screen-height N      the screen's height in pixels (default 1080)\n"
    "  --settings FILE        keep the settings in this INI file (default: none kept)\n"
    "  --now \"YYYY-MM-DD HH:MM:SS\"\n"
    "                         start of the clock (default: the local time)\n"
    "  --counter N            start of the high-resolution counter, for repeatable draws\n"
    "  -- PARAMETERS...       the program's own command line, for example -- /diag\n"
    "  -h, --help             print this help and exit\n"
    "  -v, --version          print the version and exit\n"
    "\n"
    "A malformed action or option ends the run with exit code 2.\n"
    "See ktqtests-headless(1) for the actions.\n";

// Reads an option's value into the options; false when it is not one.
using ValueReader = std::function<bool(const std::string&, DriverOptions&)>;

const std::map<std::string, std::pair<ValueReader, const char*>>& ValueOptions() {
    static const std::map<std::string, std::pair<ValueReader, const char*>> options = {
        {"--script",
         {[](const std::string& v, DriverOptions& o) {
              o.script = v;
              return true;
          },
          "a file"}},
        {"--folder",
         {[](const std::string& v, DriverOptions& o) {
              o.folder = v;
              return true;
          },
          "a folder"}},
        {"--settings",
         {[](const std::string& v, DriverOptions& o) {
              o.settingsFile = v;
              return true;
          },
          "a file"}},
        {"--screen-height",
         {[](const std::string& v, DriverOptions& o) {
              try {
                  std::size_t used = 0;
                  o.screenHeight = std::stoi(v, &used);
                  return used == v.size();
              } catch (const std::exception&) {
                  return false;
              }
          },
          "a number"}},
        {"--now",
         {[](const std::string& v, DriverOptions& o) {
              return (o.now = ParseDateTime(v)).has_value();
          },
          "\"YYYY-MM-DD HH:MM:SS\""}},
        {"--counter",
         {[](const std::string& v, DriverOptions& o) {
              if (v.empty() || v.find_first_not_of("0123456789") != std::string::npos)
                  return false;
              try {
                  o.counter = std::stoull(v);
                  return true;
              } catch (const std::exception&) {
                  return false;
              }
          },
          "a whole number"}},
    };
    return options;
}

}  // namespace

bool ParseDriverOptions(int argc, const char* const* argv, DriverOptions& o, std::ostream& err) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--") {
            for (++i; i < argc; ++i) o.parameters.push_back(Utf8ToCp1252(argv[i]));
            break;
        }
        if (a == "--echo" || a == "--read-only") {
            (a == "--echo" ? o.echo : o.readOnly) = true;
            continue;
        }
        if (const InfoRequest info = InfoRequestOf(a); info != InfoRequest::None) {
            if (o.info == InfoRequest::None)
                o.info = info;
            continue;
        }
        const auto option = ValueOptions().find(a);
        if (option == ValueOptions().end()) {
            err << "ktqtests-headless: unknown option " << a << "\n" << kUsage;
            return false;
        }
        if (i + 1 >= argc) {
            err << "ktqtests-headless: " << a << " needs a value\n" << kUsage;
            return false;
        }
        if (!option->second.first(argv[++i], o)) {
            err << "ktqtests-headless: " << a << " takes " << option->second.second << "\n";
            return false;
        }
    }
    return true;
}

std::string DriverHelp() {
    return std::string(kUsage) + kOptions;
}

}  // namespace ktq
