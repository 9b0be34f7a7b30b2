// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A figure file of the working folder, decoded by the format its bytes show
// (a JPEG saved as ".png" is still a JPEG); bytes of neither by the name:
// ".png" is PNG, anything else JPEG.
#include "platform/FileSystem.h"
#include "platform/Picture.h"

namespace ktq {

bool IsPngFileName(const Text& name);
// Throws IoError for a file that cannot be read or decoded.
Picture DecodePictureFile(FileSystem& files, const FileName& name,
                          PictureBox within = kFigureDecodeBox);

}  // namespace ktq
