#include "data/xmlconfigfile.h"

#include "platform/atomicfilewriter.h"
#include "platform/regularfile.h"
#include "platform/xmldocument.h"

#include <QFile>
#include <QTextCodec>
#include <QTextStream>

XmlConfigFile::XmlConfigFile(const QDomDocument &document, const QDomElement &element)
    : m_document(document)
    , m_element(element)
{
}

bool XmlConfigFile::load(const QString &path)
{
    if (path.isNull())
        return false;
    // Not in text mode: that drops every carriage-return byte, also those
    // inside UTF-16 characters and line ends, before the parser sees them.
    QByteArray bytes;
    if (!readRegularFile(path, &bytes))
        return false;
    // A document that does not parse leaves a null current element.
    parseXmlDocument(bytes, m_document);
    m_element = m_document.documentElement();
    return true;
}

namespace {

// A node as the writer puts it on disk: without indentation.
QString serialised(const QDomNode &node)
{
    QString xml;
    QTextStream stream(&xml);
    node.save(stream, 0);
    stream.flush();
    return xml;
}

} // namespace

bool XmlConfigFile::save(const QString &path) const
{
    QTextCodec *codec = QTextCodec::codecForName("GB2312");
    if (!codec)
        return false;

    // Node by node: the document-level writer only knows Unicode encodings and
    // warns about the GB2312 declaration, which the codec below honours.
    QString xml;
    for (QDomNode node = m_document.firstChild(); !node.isNull(); node = node.nextSibling())
        xml += serialised(node);
    const QByteArray bytes = codec->fromUnicode(xml);

    // The codec that answers to "GB2312" is a wider one, and the DOM writer
    // passes control characters through. The bytes are written only when
    // the reader of load() gives back the same document from them, so that
    // nothing is written that the declared encoding does not hold.
    const QDomElement root = m_document.documentElement();
    if (!root.isNull()) {
        QDomDocument readBack;
        if (!readBack.setContent(bytes) || serialised(readBack.documentElement()) != serialised(root))
            return false;
    }
    return writeFileAtomically(path, bytes);
}

void XmlConfigFile::createDocument(const QString &rootName)
{
    m_document = QDomDocument();
    m_document.appendChild(m_document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"GB2312\"")));
    m_element = m_document.createElement(rootName);
    m_document.appendChild(m_element);
}

XmlConfigFile XmlConfigFile::appendChild(const QString &name)
{
    if (m_element.isNull())
        return {};
    QDomElement child = m_document.createElement(name);
    m_element.appendChild(child);
    return XmlConfigFile(m_document, child);
}

QVector<XmlConfigFile> XmlConfigFile::children() const
{
    QVector<XmlConfigFile> elements;
    for (QDomElement child = m_element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        elements.append(XmlConfigFile(m_document, child));
    return elements;
}

int XmlConfigFile::childCount() const
{
    return int(children().size());
}

XmlConfigFile XmlConfigFile::childAt(int index) const
{
    return children().value(index);
}

XmlConfigFile XmlConfigFile::firstByTagName(const QString &name) const
{
    if (m_element.isNull() || !m_element.hasChildNodes())
        return {};
    // Pre-order walk that stops at the first match; a node list would collect
    // every match of the subtree first.
    QDomNode node = m_element.firstChild();
    while (!node.isNull()) {
        if (node.isElement() && node.nodeName() == name)
            return XmlConfigFile(m_document, node.toElement());
        if (node.hasChildNodes()) {
            node = node.firstChild();
            continue;
        }
        while (!node.isNull() && node != m_element && node.nextSibling().isNull())
            node = node.parentNode();
        if (node.isNull() || node == m_element)
            break;
        node = node.nextSibling();
    }
    return {};
}

static QDomText firstTextChild(const QDomElement &element)
{
    for (QDomNode node = element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isText())
            return node.toText();
    }
    return {};
}

QString XmlConfigFile::text() const
{
    return firstTextChild(m_element).data();
}

void XmlConfigFile::setText(const QString &value)
{
    if (m_element.isNull())
        return;
    QDomText textNode = firstTextChild(m_element);
    if (textNode.isNull())
        m_element.appendChild(m_document.createTextNode(value));
    else
        textNode.setData(value);
}
