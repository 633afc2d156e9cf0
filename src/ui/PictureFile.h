#pragma once
// Reading a picture file for one of the picture kinds. A file that cannot be
// opened (missing, a folder, locked) raises "Cannot open file %s".
#include <string>
#include <vector>

std::vector<unsigned char> ReadPictureFile(const std::string& fileName);
// Only tries that the file opens, for kinds that GDI loads from the path.
void CheckPictureFileOpens(const std::string& fileName);
