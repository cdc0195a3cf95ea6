#pragma once

#include "app/Dialogs.h"

#include <QDialog>

class QComboBox;
class QFontDialog;

// The program's font dialog: the platform's choice of family, style, size, underline and
// strike-out, with a colour under it: the sixteen basic colours by name, or any other through
// "Custom...".
class FontColourDialog : public QDialog {
    Q_OBJECT
public:
    FontColourDialog(const Dialogs::FontChoice& start, QWidget* parent = nullptr);
    Dialogs::FontChoice choice() const;

private:
    void colourPicked(int index);
    void addColour(const QString& text, quint32 colour);
    void showColour(quint32 colour);

    QFontDialog* m_fonts = nullptr;
    QComboBox* m_colours = nullptr;
    quint32 m_colour = 0;
    int m_shown = 0; // the item showing m_colour
};
