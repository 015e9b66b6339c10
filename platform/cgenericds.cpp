#include "platform/cgenericds.h"

#include "platform/atomicfilewriter.h"
#include "platform/regularfile.h"
#include "platform/xmldocument.h"

#include <QFile>

namespace OrvaneGUIToolkit {

CGenericDS::CGenericDS(const QDomDocument &document, const QDomElement &element)
    : m_document(document)
    , m_element(element)
{
}

bool CGenericDS::LoadXML(const QString &path)
{
    QByteArray bytes;
    if (!readRegularFile(path, &bytes))
        return false;

    QDomDocument document;
    if (!parseXmlDocument(bytes, document))
        return false;

    const QDomElement root = document.documentElement();
    if (root.isNull())
        return false;

    m_document = document;
    m_element = root;
    return true;
}

bool CGenericDS::SaveXML(const QString &path) const
{
    if (m_document.isNull())
        return false;
    return writeFileAtomically(path, m_document.toByteArray(4));
}

int CGenericDS::GetChildrenCount() const
{
    int count = 0;
    for (QDomElement child = m_element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        ++count;
    return count;
}

CGenericDS CGenericDS::GetChild(int index) const
{
    if (index < 0)
        return {};
    QDomElement child = m_element.firstChildElement();
    for (int i = 0; i < index && !child.isNull(); ++i)
        child = child.nextSiblingElement();
    if (child.isNull())
        return {};
    return CGenericDS(m_document, child);
}

QVector<CGenericDS> CGenericDS::GetChildren() const
{
    QVector<CGenericDS> children;
    for (QDomElement child = m_element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        children.append(CGenericDS(m_document, child));
    return children;
}

CGenericDS CGenericDS::GetChildByName(const QString &name) const
{
    const QDomElement child = m_element.firstChildElement(name);
    if (child.isNull())
        return {};
    return CGenericDS(m_document, child);
}

QString CGenericDS::GetName() const
{
    return m_element.tagName();
}

QString CGenericDS::GetValue() const
{
    return m_element.text();
}

void CGenericDS::SetValue(const QString &text)
{
    if (m_element.isNull())
        return;
    while (!m_element.firstChild().isNull())
        m_element.removeChild(m_element.firstChild());
    m_element.appendChild(m_document.createTextNode(text));
}

} // namespace OrvaneGUIToolkit
