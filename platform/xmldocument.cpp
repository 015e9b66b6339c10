#include "platform/xmldocument.h"

#include <QXmlStreamReader>

namespace {

// The stream reader keeps only the open elements, so this pass takes time in
// proportion to the size whatever the depth. It reads as the DOM parser does,
// without namespaces: with them an undeclared prefix on the root would end
// this pass at once and let the DOM parser meet the depth.
bool nestsTooDeep(const QByteArray &bytes)
{
    QXmlStreamReader reader(bytes);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > MaxXmlDepth)
                return true;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return false;
}

} // namespace

bool parseXmlDocument(const QByteArray &bytes, QDomDocument &document)
{
    document = QDomDocument();
    // A failed parse can leave a partial tree behind; nothing of it counts.
    if (nestsTooDeep(bytes) || !document.setContent(bytes)) {
        document = QDomDocument();
        return false;
    }
    return true;
}
