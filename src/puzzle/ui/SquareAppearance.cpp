#include "puzzle/ui/SquareAppearance.h"

#include "base/Rounding.h"
#include "prefs/ColourText.h"
#include "prefs/FontSettings.h"
#include "prefs/SettingsAccess.h"
#include "puzzle/ui/PencilCursor.h"

void SquareAppearance::load(const SettingsAccess& settings, int square) {
    cursor = Settings::readFlagValue(settings, Settings::UseCursors) == 1
                 ? pencilCursor()
                 : QCursor(Qt::ArrowCursor);
    filled = ColourText::toQColor(Settings::readColour(settings, Settings::FilledSqColor));
    blank = ColourText::toQColor(Settings::readColour(settings, Settings::BlankSqColor));
    hilite = ColourText::toQColor(Settings::readColour(settings, Settings::HiliteSqColor));
    initial = ColourText::toQColor(Settings::readColour(settings, Settings::InitialSqColor));
    const Settings::StoredFont stored = Settings::readFont(settings, Settings::SquareFont);
    letter = ColourText::toQColor(stored.colour);
    font = stored.font();
    scaleFont(settings, stored.size, square);
}

void SquareAppearance::scaleFont(const SettingsAccess& settings, int points, int square) {
    const double scaled = double(points) * square / qMax(1, settings.DefaultSquareSize());
    font.setPointSize(qMax(1, static_cast<int>(roundHalfEven(scaled))));
}
