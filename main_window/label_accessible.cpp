// SPDX-License-Identifier: MIT
#include "label_accessible.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStyle>

#include <algorithm>

LabelAccessible::LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText)
{
}

QLabel* LabelAccessible::label() const
{
    return static_cast<QLabel*>(widget());
}

void* LabelAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString LabelAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name && label()->accessibleName().isEmpty())
        return label()->text();
    return QAccessibleWidget::text(kind);
}

QString LabelAccessible::text(int startOffset, int endOffset) const
{
    const QString whole = label()->text();
    const int start = std::clamp(startOffset, 0, int(whole.size()));
    const int end =
        endOffset < 0 ? int(whole.size()) : std::clamp(endOffset, start, int(whole.size()));
    return whole.mid(start, end - start);
}

int LabelAccessible::characterCount() const
{
    return int(label()->text().size());
}

QRect LabelAccessible::characterRect(int offset) const
{
    const QString whole = label()->text();
    if (offset < 0 || offset >= whole.size())
        return {};
    // Where the label draws its one line: the text's extent aligned in the contents.
    const QFontMetrics metrics(label()->font());
    const QRect line = QStyle::alignedRect(
        label()->layoutDirection(), label()->alignment(),
        QSize(metrics.horizontalAdvance(whole), metrics.height()), label()->contentsRect());
    // A line taller than the label is cut off at its edges, as it is drawn.
    const QRect character =
        QRect(line.left() + metrics.horizontalAdvance(whole.left(offset)), line.top(),
              metrics.horizontalAdvance(whole.mid(offset, 1)), line.height()) &
        label()->rect();
    return QRect(label()->mapToGlobal(character.topLeft()), character.size());
}

int LabelAccessible::offsetAtPoint(const QPoint& point) const
{
    for (int offset = 0; offset < characterCount(); ++offset)
        if (characterRect(offset).contains(point))
            return offset;
    return -1;
}

void LabelAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString LabelAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
