// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class QLabel;

// A text label to assistive technology: static text named by its text (unless it has a name of
// its own), whose text a screen reader can also read as text, character by character and with
// each character's place on the screen. The label shows one line, aligned as the label says.
class LabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit LabelAccessible(QLabel* label);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;

    // The text, read-only: no selection, the cursor at the start, no attributes.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QLabel* label() const;
};
