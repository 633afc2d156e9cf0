#pragma once
// Folder paths as the select-directory dialog and auto-save use them:
// trailing backslashes, existence, and creating a folder with its parents.
#include <string>

// The folder with "\" appended unless it already ends in one:
// "C:\Shots" gives "C:\Shots\", "D:\" stays "D:\".
std::string WithTrailingBackslash(const std::string& folder);

// The folder without its trailing backslash, except for a root such as
// "C:\" or "\", which keeps it.
std::string WithoutTrailingBackslash(const std::string& folder);

// The full form of a path, relative ones taken from the process's current
// folder; the path unchanged when the system cannot expand it.
std::string FullPath(const std::string& path);

std::string CurrentFolder();
bool FolderExists(const std::string& folder);

// Creates the folder and every missing parent. An empty path or a folder
// that cannot be made raises "Unable to create directory"; an existing
// folder is left as it is.
void CreateFolderPath(const std::string& folder);
