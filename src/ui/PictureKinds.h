#pragma once
// The registry of picture kinds a file can be loaded as, found by the file's
// extension without regard to case; it also builds the open dialog's filter.
#include <memory>
#include <string>
#include <vector>

#include "ui/Graphics.h"

struct PictureKind {
    const char* extension;    // without the dot, lower case
    const char* description;  // "JPEG Image File"
    std::unique_ptr<TGraphic> (*make)();
};

// In the order the open dialog lists them: jpg, jpeg, bmp, ico, emf, wmf.
const std::vector<PictureKind>& PictureKinds();
// The kind for an extension (without the dot), or null.
const PictureKind* FindPictureKind(const std::string& extension);
// The text after a file name's last dot ("" when it has none).
std::string FileExtension(const std::string& fileName);
// "All (*.jpg;...)|*.jpg;...|JPEG Image File (*.jpg)|*.jpg|..."
std::string PictureFileFilter();
// A new graphic of the file's kind with the file loaded into it. Raises
// "Unknown picture file extension (.%s)", "Cannot open file %s" or the
// kind's own message.
std::unique_ptr<TGraphic> LoadPictureFile(const std::string& fileName);
