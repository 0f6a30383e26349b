#include "chrome/elidedlabel.h"

#include <QEvent>

#include <algorithm>

ElidedLabel::ElidedLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

ElidedLabel::~ElidedLabel() = default;

void ElidedLabel::SetFullText(const QString &text)
{
    if (text == m_strFull && !text.isEmpty())
        return;
    m_strFull = text;
    // A screen reader reads the label's name ("File"); what it shows is its description.
    setAccessibleDescription(text);
    elide();
}

QSize ElidedLabel::sizeHint() const
{
    // As wide as a short name, so a long one never widens the window.
    const QMargins m = contentsMargins();
    return QSize(fontMetrics().averageCharWidth() * 24 + m.left() + m.right() + 2 * margin(),
                 fontMetrics().height() + m.top() + m.bottom() + 2 * margin());
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QMargins m = contentsMargins();
    return QSize(fontMetrics().averageCharWidth() * 6 + m.left() + m.right() + 2 * margin(),
                 sizeHint().height());
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        elide();
}

void ElidedLabel::elide()
{
    const int room = contentsRect().width() - 2 * margin() - indent();
    const QString shown = fontMetrics().elidedText(m_strFull, Qt::ElideMiddle, std::max(room, 0));
    // Only a cut text needs the tip; the read-out itself is the whole text otherwise.
    setToolTip(shown == m_strFull ? QString() : m_strFull);
    QLabel::setText(shown);
}
