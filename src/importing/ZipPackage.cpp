// SPDX-License-Identifier: GPL-3.0-or-later
#include "importing/ZipPackage.h"

#include <zip.h>

#include <algorithm>
#include <memory>

#include "platform/IoError.h"
#include "text/CodePage.h"

namespace ktq {
namespace {

constexpr int kMegabyte = 1024 * 1024;

// Part names are UTF-8; messages are the program's Windows-1252.
std::string Quoted(const std::string& part) {
    return "\"" + Utf8ToCp1252(part) + "\"";
}

// A name that a careless unpacker would write outside its folder.
bool LeadsOut(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.find('\\') != std::string_view::npos)
        return true;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        if (name.substr(start, end - start) == "..")
            return true;
        start = end + 1;
    }
    return false;
}

struct FileCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

}  // namespace

ZipPackage::ZipPackage(std::string_view bytes, const Text& shownName) : shownName_(shownName) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source != nullptr) {
        zip_ = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
        if (zip_ == nullptr)
            zip_source_free(source);
    }
    if (zip_ == nullptr) {
        const std::string reason = zip_error_strerror(&error);
        zip_error_fini(&error);
        Refuse("it is no Word document, or a damaged one (" + reason + ")");
    }
    zip_error_fini(&error);
    try {
        CheckPartNames();
    } catch (...) {
        zip_discard(zip_);
        throw;
    }
}

ZipPackage::~ZipPackage() {
    zip_discard(zip_);
}

void ZipPackage::CheckPartNames() {
    const zip_int64_t count = zip_get_num_entries(zip_, 0);
    if (count > kMostParts)
        Refuse("it holds more than " + std::to_string(kMostParts) + " parts");
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(zip_, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
        if (name == nullptr || LeadsOut(name))
            Refuse("the name of its part " + Quoted(name ? name : "") +
                   " leads out of the package");
    }
}

bool ZipPackage::Has(const std::string& part) const {
    return zip_name_locate(zip_, part.c_str(), ZIP_FL_ENC_RAW) >= 0;
}

std::string ZipPackage::Read(const std::string& part) {
    const zip_int64_t index = zip_name_locate(zip_, part.c_str(), ZIP_FL_ENC_RAW);
    if (index < 0)
        Refuse("it has no part " + Quoted(part));
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(zip_, static_cast<zip_uint64_t>(index), 0, &st) != 0 ||
        (st.valid & ZIP_STAT_SIZE) == 0 || (st.valid & ZIP_STAT_COMP_SIZE) == 0)
        Refuse("its part " + Quoted(part) + " is damaged");
    if (st.size > static_cast<zip_uint64_t>(kLargestPart))
        Refuse("its part " + Quoted(part) + " inflates to more than " +
               std::to_string(kLargestPart / kMegabyte) + " MB");
    if (st.size > static_cast<zip_uint64_t>(kLargestInflation) * st.comp_size)
        Refuse("its part " + Quoted(part) + " inflates to more than " +
               std::to_string(kLargestInflation) + " times its packed size");
    contentRead_ += static_cast<std::int64_t>(st.size);
    if (contentRead_ > kLargestContent)
        Refuse("its parts inflate to more than " + std::to_string(kLargestContent / kMegabyte) +
               " MB in all");

    const std::unique_ptr<zip_file_t, FileCloser> file(
        zip_fopen_index(zip_, static_cast<zip_uint64_t>(index), 0));
    if (!file)
        Refuse("its part " + Quoted(part) + " cannot be unpacked (" + zip_strerror(zip_) + ")");
    // One byte more than declared, so a part that holds more is noticed.
    std::string bytes(st.size + 1, '\0');
    zip_uint64_t done = 0;
    while (done < bytes.size()) {
        const zip_int64_t n = zip_fread(file.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0)
            Refuse("its part " + Quoted(part) + " is damaged (" + zip_file_strerror(file.get()) +
                   ")");
        if (n == 0)
            break;
        done += static_cast<zip_uint64_t>(n);
    }
    if (done != st.size)
        Refuse("its part " + Quoted(part) + " is damaged (its size is not the one declared)");
    bytes.resize(done);
    return bytes;
}

void ZipPackage::Refuse(const std::string& reason) const {
    throw IoError("Cannot read the document \"" + shownName_ + "\": " + reason);
}

}  // namespace ktq
