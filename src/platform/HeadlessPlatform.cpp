// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HeadlessPlatform.h"

#include <chrono>
#include <ctime>
#include <filesystem>

#include "platform/DiskFileSystem.h"
#include "text/CodePage.h"

namespace ktq {

namespace {
DateTime LocalNow() {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return MakeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec);
}
}  // namespace

HeadlessPlatform::HeadlessPlatform(std::ostream& out, std::unique_ptr<SettingsStore> settings,
                                   std::unique_ptr<FileSystem> files)
    : out_(out),
      settings_(std::move(settings)),
      files_(files ? std::move(files) : WorkingFolderFiles()),
      now_(LocalNow()) {}

std::uint64_t HeadlessPlatform::HighResolutionCounter() {
    counter_ += kCounterStep;
    return counter_;
}

namespace {
// Line breaks inside the text are shown as \n so one box is one line.
std::string BoxLine(const char* kind, const Text& title, const Text& text) {
    Text oneLine = ReplaceAll(ReplaceAll(text, "\r\n", "\\n"), "\n", "\\n");
    return std::string(kind) + " \"" + Cp1252ToUtf8(title) + "\": " + Cp1252ToUtf8(oneLine);
}
}  // namespace

void HeadlessPlatform::ShowMessage(const Text& title, const Text& text) {
    out_ << BoxLine("MESSAGE", title, text) << "\n";
}

bool HeadlessPlatform::AskYesNo(const Text& title, const Text& text) {
    bool yes = true;
    if (!replies_.empty()) {
        yes = replies_.front();
        replies_.pop_front();
    }
    out_ << BoxLine("QUESTION", title, text) << " -> " << (yes ? "Yes" : "No") << "\n";
    return yes;
}

Text HeadlessPlatform::LocalDateTimeText(DateTime t) {
    return LocalDateTimeOrIso(FormatDateTimeForLocale(t), t);
}

void HeadlessPlatform::OpenWithViewer(const Text& file) {
    out_ << "OPEN FILE " << Cp1252ToUtf8(file) << "\n";
}

}  // namespace ktq
