// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PictureFile.h"

#include "platform/JpegPicture.h"
#include "platform/PngPicture.h"
#include "platform/TextFile.h"

namespace ktq {

bool IsPngFileName(const Text& name) {
    return LowerAscii(name).ends_with(".png");
}

Picture DecodePictureFile(FileSystem& files, const FileName& name, PictureBox within) {
    const std::string bytes = ReadBytes(files, name);
    const bool png = bytes.starts_with("\x89PNG");
    if (png || (!bytes.starts_with("\xFF\xD8") && IsPngFileName(name.Shown())))
        return DecodePng(bytes, name.Shown(), within);
    return DecodeJpeg(bytes, name.Shown(), within);
}

}  // namespace ktq
