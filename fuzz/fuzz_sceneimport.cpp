// The scene import's check of a chosen file, before anything is replaced:
// the lines as the import reads them, the first record no lookup could use,
// and the pictures it would copy. Whatever the file names as a picture, the
// copy lands directly inside the picture folder or is not made. The same
// lines exported as a scene table read back as the same records.
#include "fuzzsupport.h"

#include "data/localetextfile.h"
#include "data/scenefile.h"

#include <QTextCodec>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = localeTextLines(fuzzBytes(data, size));
    const SceneFileProblem problem = findSceneFileProblem(lines);
    FUZZ_EXPECT((problem.kind == SceneFileProblem::None) == (problem.line == 0));
    FUZZ_EXPECT(problem.line <= lines.size());

    const QStringList pictures = scenePicturePaths(lines);
    for (const QString &picture : pictures) {
        const QString name = scenePictureFileName(picture);
        FUZZ_EXPECT(!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')));
        FUZZ_EXPECT(name != QLatin1String(".") && name != QLatin1String(".."));
        FUZZ_EXPECT(name.isEmpty() || picture.endsWith(name));
    }

    const QStringList exported = localeTextLines(
        QTextCodec::codecForLocale()->fromUnicode(sceneTableText(lines, QStringLiteral("Scene"))));
    QStringList records;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines.at(i).isEmpty())
            records.append(lines.at(i));
    }
    FUZZ_EXPECT(exported.mid(1) == records);
    FUZZ_EXPECT(findSceneFileProblem(exported).kind == problem.kind);
    return 0;
}
