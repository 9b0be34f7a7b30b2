#pragma once
// The headless driver: runs the program in the working folder as the window
// does, one scripted action a line, and prints what is asked.
#include <iosfwd>
#include <stdexcept>
#include <string>

#include "platform/HeadlessPlatform.h"
#include "ui/TForm1.h"

namespace ktq {

class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ScriptDriver {
  public:
    ScriptDriver(TForm1& form, HeadlessPlatform& platform, std::ostream& out);
    // Runs one action (UTF-8). False once the window has closed. Throws
    // ScriptError for a malformed action.
    bool Run(const std::string& line);

  private:
    Control& NeedControl(const std::string& name);
    void Print(const std::string& what);
    void State(const std::string& name);
    void Tick(const std::string& args);
    void UserAction(const std::string& verb, const std::string& name, bool accepted);
    void Emit(const Text& cp1252Text);

    TForm1& form_;
    HeadlessPlatform& platform_;
    std::ostream& out_;
};

// The whole program: options, start-up, the script, closing. Returns the
// process exit code (2 for bad options or a malformed action).
int RunHeadlessProgram(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                       std::ostream& err);

}  // namespace ktq
