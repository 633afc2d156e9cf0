#pragma once
// The select-directory dialog: a field for the folder's path, the folders
// and files of the folder shown, the drives, a Network button where the
// system has a network-connection dialog, and OK, Cancel and Help.
#include <string>

// Runs the dialog modally, opening on the process's current folder, and
// gives that folder back as it was when the dialog closes. Returns true
// on OK, with the chosen folder as a full path: the field's text, a
// relative one taken from the folder the dialog showed. OK on a folder
// that does not exist asks whether to create it; after Yes it is created
// here with its missing parents, and a failure raises "Unable to create
// directory".
bool SelectDirectory(std::string& directory);
