#include "app/ui/FontColourDialog.h"

#include "prefs/ColourText.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
constexpr int kBasicColours = 16; // the first names of the colour table, black to white
}

FontColourDialog::FontColourDialog(const Dialogs::FontChoice& start, QWidget* parent)
    : QDialog(parent), m_colour(start.colour) {
    setWindowTitle(QStringLiteral("Font"));
    auto* column = new QVBoxLayout(this);

    m_fonts = new QFontDialog(this);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setSizeGripEnabled(false);
    // The list holds installed families only: a font asked for by another name (Arial) starts
    // on the family that stands in for it.
    QFont current = start.font;
    current.setFamily(QFontInfo(start.font).family());
    m_fonts->setCurrentFont(current);
    column->addWidget(m_fonts);

    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Colour:"), this);
    m_colours = new QComboBox(this);
    label->setBuddy(m_colours);
    for (int i = 0; i < kBasicColours; ++i) {
        const ColourText::Named& named = ColourText::names()[i];
        addColour(QLatin1String(named.name).mid(2), named.value);
    }
    m_colours->addItem(QStringLiteral("Custom..."));
    showColour(m_colour);
    connect(m_colours, &QComboBox::activated, this, &FontColourDialog::colourPicked);
    row->addWidget(label);
    row->addWidget(m_colours, 1);
    row->addStretch(1);
    column->addLayout(row);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

void FontColourDialog::addColour(const QString& text, quint32 colour) {
    QPixmap swatch(16, 16);
    swatch.fill(ColourText::toQColor(colour));
    m_colours->addItem(QIcon(swatch), text, QVariant::fromValue(colour));
}

// The item of the colour, or a "Custom" item before "Custom..." for a colour not named.
void FontColourDialog::showColour(quint32 colour) {
    for (int i = 0; i < m_colours->count(); ++i) {
        const QVariant data = m_colours->itemData(i);
        if (data.isValid() && data.value<quint32>() == colour) {
            m_shown = i;
            m_colours->setCurrentIndex(i);
            return;
        }
    }
    if (m_colours->count() > kBasicColours + 1)
        m_colours->removeItem(kBasicColours);
    QPixmap swatch(16, 16);
    swatch.fill(ColourText::toQColor(colour));
    m_colours->insertItem(kBasicColours, QIcon(swatch), QStringLiteral("Custom"),
                          QVariant::fromValue(colour));
    m_shown = kBasicColours;
    m_colours->setCurrentIndex(m_shown);
}

void FontColourDialog::colourPicked(int index) {
    const QVariant data = m_colours->itemData(index);
    if (data.isValid()) {
        m_colour = data.value<quint32>();
        m_shown = index;
        return;
    }
    const QColor picked =
        QColorDialog::getColor(ColourText::toQColor(m_colour), this, QStringLiteral("Colour"));
    if (!picked.isValid()) {
        m_colours->setCurrentIndex(m_shown);
        return;
    }
    m_colour = ColourText::fromQColor(picked);
    showColour(m_colour);
}

Dialogs::FontChoice FontColourDialog::choice() const {
    return {m_fonts->currentFont(), m_colour};
}
