#include "aptui/coverwidget.h"

#include <QHBoxLayout>

namespace aptui {

CoverWidget::CoverWidget(QWidget *parent)
    : Widget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_cover = new QWidget(this);
    m_cover->setObjectName(QStringLiteral("m_cover"));
    m_layout->addWidget(m_cover);
}

CoverWidget::~CoverWidget() = default;

} // namespace aptui
