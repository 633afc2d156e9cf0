#pragma once
// The common file dialogs for pictures. Each dialog object lives as long as
// its window, so it opens with the file name last chosen in it.
#include <string>

class Form;

class TSavePictureDialog {
public:
    TSavePictureDialog(std::string filter, std::string defaultExt)
        : filter_(std::move(filter)), defaultExt_(std::move(defaultExt)) {}
    // Runs the dialog; true when the user chose a file (see FileName).
    bool Execute(const Form& owner);
    const std::string& FileName() const { return fileName_; }

private:
    std::string filter_;  // "Description|*.ext|..." pairs
    std::string defaultExt_;
    std::string fileName_;
};

// "Text|pattern|Text|pattern" as the dialogs take it: NUL separated, double
// NUL at the end.
std::string DialogFilter(const std::string& pipeSeparated);
