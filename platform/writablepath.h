#pragma once

#include <QString>

namespace OrvaneGUIToolkit {

// Where the files that the program writes (the imported scene table and its
// pictures, the regenerated recorder table) live, and where they are read.
//
// A program folder that the user may write and that is not an installed
// tree (the staged or an unpacked program) keeps them beside the executable,
// as it always has. An installed tree, or a folder the user may not write,
// is never written: the files go to the user's own data folder
// (QStandardPaths' application data location), and reads take the user's
// copy of a file over the one shipped beside the executable.

// Name of the file that marks a program folder as an installed tree. An
// installed tree stays read-only even for a user whom the file system lets
// write there (root).
QString InstalledTreeMarker();

// True when the program folder keeps what the program writes.
bool IsTargetPathWritable();

// Folder that receives the files the program writes, ending with "/": the
// program folder when it is writable, else the user's data folder, which is
// made when missing. Empty when the system names no data folder for the user
// or it cannot be made: writes then fail.
QString GetWritablePath();

// Path at which the program writes `name` (a name relative to the program
// folder, such as "Scene.csv" or "ScenePicture"); empty when
// GetWritablePath() is.
QString GetWritablePathFile(const QString &name);

// Path from which the program reads `name`, a file it may have written: the
// user's copy when the program folder is not writable and the copy exists,
// else the file beside the executable.
QString GetReadablePathFile(const QString &name);

// Path of the settings file `name`: when the program folder is not writable,
// a copy in the user's own configuration folder (QStandardPaths' application
// configuration location) takes the place of the shipped one, so that a user
// can choose a language without writing to the installed tree.
QString GetSettingsPathFile(const QString &name);

} // namespace OrvaneGUIToolkit
