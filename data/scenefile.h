#pragma once

#include <QString>
#include <QStringList>

// The scene table and its picture folder, by their names in the program
// folder (or in the user's data folder, where an installed program keeps an
// imported table).
constexpr char SceneTableName[] = "Scene.csv";
constexpr char ScenePictureFolder[] = "ScenePicture";

// The scene table's record format: a header line, then one record a line,
// fields split at every "," and taken as they stand.
constexpr int SceneFieldCount = 5;
constexpr int SceneRateField = 3;
constexpr int ScenePictureField = 4;

// File name part of a record's picture path, after the last "/" or "\";
// empty when the path names no file (empty, or ending in "." or "..").
QString scenePictureFileName(const QString &recordedPath);

// The first line of a scene table that no lookup could use, so that an
// import can refuse the file before it replaces anything.
struct SceneFileProblem
{
    enum Kind { None, TooFewFields, BadRate };
    Kind kind = None;
    int line = 0; // 1-based line number in the file
};

// Checks every non-empty line after the header: at least five fields and a
// rate that reads as a whole number of 0 or more. A file of only a header,
// or of fewer scenes than before, is well formed.
SceneFileProblem findSceneFileProblem(const QStringList &lines);

// Picture paths of the records, each once, in order of first appearance.
QStringList scenePicturePaths(const QStringList &lines);

// The scene table as an export writes it, for editing and importing again:
// `header` as its first line, then every non-empty record after the table's
// own header exactly as it stands, each line ending in a line feed. The
// records are not checked: a table the lookups read is handed out whole.
QString sceneTableText(const QStringList &lines, const QString &header);

// Where an import reads the picture that a record names. The path as it
// stands (a relative one from the working folder) when it is a regular
// file; else the picture is looked for by its file name, because a table
// made on another computer names the pictures with that computer's paths
// ("D:\Larkspan\ScenePicture\bank.png", "ScenePicture\bank.png"): beside the
// imported table in `tableFolder`, in the "ScenePicture" folder there, and
// last the picture of that name that the program shows now. Empty when none
// of these is a regular file or the path names no file.
QString findScenePictureSource(const QString &recordedPath, const QString &tableFolder);
