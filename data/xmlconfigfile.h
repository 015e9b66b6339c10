#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>
#include <QVector>

// One XML document and a current element within it. Copies share the DOM
// nodes (Qt DOM handles are shared), so a wrapper returned by appendChild or
// childAt edits the same document. Every query on a null current element
// answers false, 0, an empty wrapper or an empty string.
class XmlConfigFile
{
public:
    XmlConfigFile() = default;

    // False for a null path or a file that does not open. A file that opens
    // but does not parse still answers true, with a null current element.
    // The document's own encoding declaration decides how it is decoded.
    bool load(const QString &path);
    // Writes the document GB2312-encoded without indentation. The target is
    // replaced only once the whole document has been written. False, with
    // the target untouched, when a character cannot be written in GB2312 or
    // is no XML character: the bytes must read back as the same document.
    bool save(const QString &path) const;

    // Starts a new document: the declaration version="1.0" encoding="GB2312"
    // and a root element of that name, which becomes current.
    void createDocument(const QString &rootName);
    XmlConfigFile appendChild(const QString &name);

    // Element children in document order; walking this list instead of
    // childAt(i) keeps a long table linear.
    QVector<XmlConfigFile> children() const;
    int childCount() const;
    // Counts element children only.
    XmlConfigFile childAt(int index) const;
    // First descendant element with that tag name, in document order.
    XmlConfigFile firstByTagName(const QString &name) const;

    // Data of the first text child.
    QString text() const;
    void setText(const QString &value);

    bool isNull() const { return m_element.isNull(); }

private:
    XmlConfigFile(const QDomDocument &document, const QDomElement &element);

    QDomDocument m_document;
    QDomElement m_element;
};
