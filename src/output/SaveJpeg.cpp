// The viewer's JPEG writer: the current picture into one file.
#include "output/BitmapJpeg.h"
#include "output/FileReplace.h"
#include "viewer/Unit2.h"

void TForm2::SaveJpeg(const std::string& FileName) {
    // Encoded in full before the file is touched, then written in one step:
    // a failure leaves whatever file was there before.
    const TBitmap bitmap = Image1.Picture().AsBitmap();
    WriteFileReplacing(FileName, EncodeBitmapAsJpeg(bitmap.Handle()));
}
