#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>
#include <QVector>

namespace OrvaneGUIToolkit {

// An XML element held by value. Copies share the underlying DOM nodes, as Qt
// DOM handles do. A default-constructed store holds no element: every query
// then answers 0, an empty name or an empty value.
class CGenericDS
{
public:
    CGenericDS() = default;

    // Reads the file and makes its root element this store's element. On
    // failure (missing, unreadable or malformed file) returns false and
    // leaves the store as it was.
    bool LoadXML(const QString &path);

    // Writes the document this element belongs to. The target is replaced
    // only once the whole document has been written.
    bool SaveXML(const QString &path) const;

    int GetChildrenCount() const;
    CGenericDS GetChild(int index) const;               // element children, document order
    // All element children in document order. Walking this list instead of
    // GetChild(i), which counts from the first child, keeps a long file linear.
    QVector<CGenericDS> GetChildren() const;
    CGenericDS GetChildByName(const QString &name) const; // first child element with that name

    QString GetName() const;
    QString GetValue() const;
    void SetValue(const QString &text);

    bool IsNull() const { return m_element.isNull(); }

private:
    explicit CGenericDS(const QDomDocument &document, const QDomElement &element);

    QDomDocument m_document;
    QDomElement m_element;
};

} // namespace OrvaneGUIToolkit
