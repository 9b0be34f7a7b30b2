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

}  // namespace ktq
