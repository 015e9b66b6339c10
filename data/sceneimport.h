#pragma once

#include "data/scenefile.h"

#include <QString>
#include <QStringList>

#include <functional>

// The outcome of replacing the scene table by a chosen file.
struct SceneImport
{
    enum Outcome {
        Imported,   // the table and the pictures that could be copied are in place
        NotRead,    // the chosen file is not a regular file that reads
        Refused,    // a record no lookup could use; `problem` names it
        NotWritten, // the picture folder, the backup or the table could not be written
    };
    Outcome outcome = NotRead;
    SceneFileProblem problem;
    // File names of the pictures that were not copied, in table order.
    QStringList picturesNotCopied;
};

// Replaces the scene table in use by the table in `fileName`. The table is
// checked before anything is replaced, and what was checked is what gets
// written: the previous table is kept as "Scene.csv.bak" beside the new one,
// which goes where the program writes (beside the program, or the user's
// data folder for an installed one). Then each picture the records name
// (found as findScenePictureSource() says) is copied by its file name into
// the picture folder; a picture that is missing or that `isPicture` (the
// image reader, which the model does not link) refuses does not fail the
// import, it is listed.
SceneImport importSceneTable(const QString &fileName,
                             const std::function<bool(const QString &path)> &isPicture);

// Writes the scene table in use to `fileName` as sceneTableText() gives it,
// in the system's locale codec, so that importSceneTable() takes it back.
// False when the table does not read or the file cannot be written whole;
// an old file at `fileName` then stays as it was.
bool exportSceneTable(const QString &fileName, const QString &header);
