#pragma once
// The common file dialogs for pictures, with a preview pane on their right
// that shows the selected file's picture and its size. Each dialog object
// lives as long as its window, so it opens with the file name last chosen
// in it. Options are those of the classic picture dialogs: no read-only
// box, resizable, no question before replacing a file.
#include <windows.h>

#include <string>

class Form;

class TPictureFileDialog {
public:
    // Runs the dialog; true when the user chose a file (see FileName).
    bool Execute(const Form& owner);
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& fileName) { fileName_ = fileName; }
    const std::string& Filter() const { return filter_; }

protected:
    enum class Purpose { Open, Save };
    TPictureFileDialog(Purpose purpose, std::string filter, std::string defaultExt)
        : purpose_(purpose), filter_(std::move(filter)), defaultExt_(std::move(defaultExt)) {}

private:
    Purpose purpose_;
    std::string filter_;  // "Description|*.ext|..." pairs
    std::string defaultExt_;
    std::string fileName_;
};

// Offers every picture kind the program loads; "All" is selected at first.
class TOpenPictureDialog : public TPictureFileDialog {
public:
    TOpenPictureDialog();
};

class TSavePictureDialog : public TPictureFileDialog {
public:
    TSavePictureDialog(std::string filter, std::string defaultExt)
        : TPictureFileDialog(Purpose::Save, std::move(filter), std::move(defaultExt)) {}
};

// "Text|pattern|Text|pattern" as the dialogs take it: NUL separated, double
// NUL at the end.
std::string DialogFilter(const std::string& pipeSeparated);

// Where a picture of width x height is drawn in a box: as large as fits
// with its proportions kept, never enlarged, centred.
RECT FitPictureInto(const RECT& box, int width, int height);
