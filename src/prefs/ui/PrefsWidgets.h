#pragma once

#include "prefs/PreferenceValues.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <functional>

class QButtonGroup;
class QRadioButton;
class QToolButton;

// A framed group of radio buttons filled column by column, which reports and takes the index of
// its selected item, -1 for none.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QStringList& items, int columns,
               QWidget* parent = nullptr);
    int itemIndex() const;
    // -1 (or any index outside the items) selects none.
    void setItemIndex(int index);
    QRadioButton* item(int index) const;

private:
    QButtonGroup* m_group = nullptr;
};

// Two arrow buttons side by side that step the number in an edit within a range.
class HorizontalUpDown : public QWidget {
    Q_OBJECT
public:
    HorizontalUpDown(QLineEdit* associate, int minimum, int maximum, QWidget* parent = nullptr);
    // The number in the edit moved by delta and kept within the range; text that is no number
    // starts from the minimum.
    void step(int delta);
    QToolButton* downButton() const { return m_down; }
    QToolButton* upButton() const { return m_up; }

private:
    QLineEdit* m_associate;
    int m_min;
    int m_max;
    QToolButton* m_down = nullptr;
    QToolButton* m_up = nullptr;
};

// A small square showing one colour, outlined in black.
class ColourSwatch : public QWidget {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr);
    void setColour(quint32 colour);
    quint32 colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 m_colour = 0xFFFFFF;
};

// The palette: 16 colours in 8 columns by 2 rows. It marks no choice; it remembers the cell
// last pressed and reports each release of a mouse button over it.
class ColorGrid : public QWidget {
    Q_OBJECT
public:
    explicit ColorGrid(QWidget* parent = nullptr);
    int lastPressed() const { return m_pressed; }
    QRect cellRect(int index) const;

signals:
    void mouseUp(Qt::MouseButton released, Qt::KeyboardModifiers modifiers,
                 Qt::MouseButtons stillHeld);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_pressed = 0;
};

// The sample grid: a few rows of squares in the colours and the letter font being chosen.
class SampleGrid : public QWidget {
    Q_OBJECT
public:
    explicit SampleGrid(QWidget* parent = nullptr);
    int squareSize = 1;
    quint32 filled = 0;
    quint32 blank = 0;
    quint32 hilite = 0;
    quint32 initial = 0;
    FontValue font; // the grid letters' font, held here while it is being chosen

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A read-only edit showing a sample text in the font being chosen, its colour included.
class FontSampleEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FontSampleEdit(QWidget* parent = nullptr);
    void setFontValue(const FontValue& font);
    const FontValue& fontValue() const { return m_font; }

private:
    FontValue m_font;
};

// The clue-list sample: lines drawn by the program in the font being chosen, each as high as the
// item height plus 2, scaled to the screen.
class FontSampleList : public QListWidget {
    Q_OBJECT
public:
    // scale turns a height at 96 pixels per inch into the screen's.
    FontSampleList(std::function<int(int)> scale, QWidget* parent = nullptr);
    void setFontValue(const FontValue& font);
    const FontValue& fontValue() const { return m_font; }
    void setItemHeight(int height);
    int itemHeight() const { return m_itemHeight; }
    // The height of one line on screen.
    int lineHeight() const { return m_scale(m_itemHeight + 2); }

private:
    FontValue m_font;
    int m_itemHeight = 0;
    std::function<int(int)> m_scale;
};

class FontSampleDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit FontSampleDelegate(FontSampleList* list);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    FontSampleList* m_list;
};
