#include "prefs/ui/PrefsWidgets.h"

#include "prefs/ColourText.h"
#include "prefs/GridSample.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QToolButton>

namespace {
constexpr quint32 kGradientActiveCaption = 0xFF000000u + 27;
constexpr int kCellGap = 2;
} // namespace

RadioGroup::RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(title, parent), m_group(new QButtonGroup(this)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(2);
    const int perColumn = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        m_group->addButton(button, i);
        grid->addWidget(button, i % perColumn, i / perColumn);
    }
}

int RadioGroup::itemIndex() const {
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* button = m_group->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last checked button by itself.
    m_group->setExclusive(false);
    for (QAbstractButton* button : m_group->buttons())
        button->setChecked(false);
    m_group->setExclusive(true);
}

QRadioButton* RadioGroup::item(int index) const {
    return static_cast<QRadioButton*>(m_group->button(index));
}

HorizontalUpDown::HorizontalUpDown(QLineEdit* associate, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_associate(associate), m_min(minimum), m_max(maximum) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (QToolButton** button : {&m_down, &m_up}) {
        *button = new QToolButton(this);
        (*button)->setArrowType(button == &m_down ? Qt::LeftArrow : Qt::RightArrow);
        (*button)->setAutoRepeat(true);
        (*button)->setFocusPolicy(Qt::NoFocus);
        row->addWidget(*button);
    }
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
}

void HorizontalUpDown::step(int delta) {
    bool ok = false;
    const int value = m_associate->text().trimmed().toInt(&ok);
    m_associate->setText(QString::number(ok ? qBound(m_min, value + delta, m_max) : m_min));
}

ColourSwatch::ColourSwatch(QWidget* parent) : QWidget(parent) {
    setFixedSize(14, 14);
}

void ColourSwatch::setColour(quint32 colour) {
    m_colour = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(Qt::black);
    p.setBrush(ColourText::toQColor(m_colour));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

ColorGrid::ColorGrid(QWidget* parent) : QWidget(parent) {
    setFixedSize(208, 52);
}

QRect ColorGrid::cellRect(int index) const {
    const int w = width() / Palette::kColumns;
    const int h = height() / Palette::kRows;
    return QRect(index % Palette::kColumns * w, index / Palette::kColumns * h, w, h);
}

void ColorGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    for (int i = 0; i < Palette::kColumns * Palette::kRows; ++i) {
        const QRect cell = cellRect(i).adjusted(kCellGap, kCellGap, -kCellGap, -kCellGap);
        p.setPen(palette().color(QPalette::Shadow));
        p.setBrush(ColourText::toQColor(Palette::colour(i)));
        p.drawRect(cell.adjusted(0, 0, -1, -1));
    }
}

void ColorGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    for (int i = 0; i < Palette::kColumns * Palette::kRows; ++i) {
        if (cellRect(i).contains(pos))
            m_pressed = i;
    }
}

void ColorGrid::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseUp(event->button(), event->modifiers(), event->buttons());
}

SampleGrid::SampleGrid(QWidget* parent) : QWidget(parent) {
    setFixedSize(GridSample::kWidth, GridSample::kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SampleGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor outline = ColourText::toQColor(filled);
    p.setPen(outline);
    p.setBrush(ColourText::toQColor(blank));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFont letterFont = font.toQFont();
    const QFontMetrics fm(letterFont);
    p.setFont(letterFont);
    for (const GridSample::Square& sq :
         GridSample::squares(squareSize, filled, blank, hilite, initial)) {
        p.setPen(outline);
        p.setBrush(ColourText::toQColor(sq.fill));
        p.drawRect(sq.rect.adjusted(0, 0, -1, -1));
        if (sq.letter.isNull())
            continue;
        const QString text(sq.letter);
        const int s = sq.rect.width() - 1;
        p.setPen(ColourText::toQColor(font.colour));
        p.drawText(sq.rect.x() + (s - fm.horizontalAdvance(text)) / 2,
                   sq.rect.y() + (s - fm.height()) / 2 + fm.ascent(), text);
    }
}

FontSampleEdit::FontSampleEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
}

void FontSampleEdit::setFontValue(const FontValue& font) {
    m_font = font;
    setFont(font.toQFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Text, ColourText::toQColor(font.colour));
    setPalette(pal);
}

FontSampleList::FontSampleList(std::function<int(int)> scale, QWidget* parent)
    : QListWidget(parent), m_scale(std::move(scale)) {
    setItemDelegate(new FontSampleDelegate(this));
}

void FontSampleList::setFontValue(const FontValue& font) {
    m_font = font;
    setFont(font.toQFont());
    viewport()->update();
}

void FontSampleList::setItemHeight(int height) {
    m_itemHeight = height;
    doItemsLayout();
    viewport()->update();
}

FontSampleDelegate::FontSampleDelegate(FontSampleList* list)
    : QStyledItemDelegate(list), m_list(list) {}

QSize FontSampleDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), m_list->lineHeight());
}

// A line: its rectangle filled with the list's colour, or the active caption's gradient colour
// when selected, and its text 2 pixels in from the left edge at the top, clipped to the line.
void FontSampleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, selected ? ColourText::toQColor(kGradientActiveCaption)
                                            : m_list->palette().color(QPalette::Base));
    painter->setFont(m_list->font());
    painter->setPen(selected ? m_list->palette().color(QPalette::HighlightedText)
                             : ColourText::toQColor(m_list->fontValue().colour));
    const QFontMetrics fm(m_list->font());
    painter->drawText(option.rect.left() + 2, option.rect.top() + fm.ascent(),
                      index.data().toString());
    painter->restore();
}
