#include "prefs/ColourText.h"

#include "base/Errors.h"

#include <QGuiApplication>
#include <QList>
#include <QPalette>
#include <algorithm>

namespace ColourText {

namespace {
constexpr quint32 kSystem = 0xFF000000u;
}

const QList<Named>& names() {
    static const QList<Named> table = {
        {"clBlack", 0x00000000},
        {"clMaroon", 0x00000080},
        {"clGreen", 0x00008000},
        {"clOlive", 0x00008080},
        {"clNavy", 0x00800000},
        {"clPurple", 0x00800080},
        {"clTeal", 0x00808000},
        {"clGray", 0x00808080},
        {"clSilver", 0x00C0C0C0},
        {"clRed", 0x000000FF},
        {"clLime", 0x0000FF00},
        {"clYellow", 0x0000FFFF},
        {"clBlue", 0x00FF0000},
        {"clFuchsia", 0x00FF00FF},
        {"clAqua", 0x00FFFF00},
        {"clWhite", 0x00FFFFFF},
        {"clMoneyGreen", 0x00C0DCC0},
        {"clSkyBlue", 0x00F0CAA6},
        {"clCream", 0x00F0FBFF},
        {"clMedGray", 0x00A4A0A0},
        {"clScrollBar", kSystem + 0},
        {"clBackground", kSystem + 1},
        {"clActiveCaption", kSystem + 2},
        {"clInactiveCaption", kSystem + 3},
        {"clMenu", kSystem + 4},
        {"clWindow", kSystem + 5},
        {"clWindowFrame", kSystem + 6},
        {"clMenuText", kSystem + 7},
        {"clWindowText", kSystem + 8},
        {"clCaptionText", kSystem + 9},
        {"clActiveBorder", kSystem + 10},
        {"clInactiveBorder", kSystem + 11},
        {"clAppWorkSpace", kSystem + 12},
        {"clHighlight", kSystem + 13},
        {"clHighlightText", kSystem + 14},
        {"clBtnFace", kSystem + 15},
        {"clBtnShadow", kSystem + 16},
        {"clGrayText", kSystem + 17},
        {"clBtnText", kSystem + 18},
        {"clInactiveCaptionText", kSystem + 19},
        {"clBtnHighlight", kSystem + 20},
        {"cl3DDkShadow", kSystem + 21},
        {"cl3DLight", kSystem + 22},
        {"clInfoText", kSystem + 23},
        {"clInfoBk", kSystem + 24},
        {"clHotLight", kSystem + 26},
        {"clGradientActiveCaption", kSystem + 27},
        {"clGradientInactiveCaption", kSystem + 28},
        {"clMenuHighlight", kSystem + 29},
        {"clMenuBar", kSystem + 30},
        {"clNone", 0x1FFFFFFF},
        {"clDefault", 0x20000000},
    };
    return table;
}

QString toText(quint32 colour) {
    for (const Named& n : names()) {
        if (n.value == colour)
            return QString::fromLatin1(n.name);
    }
    return QStringLiteral("$%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

quint32 fromText(const QString& text) {
    for (const Named& n : names()) {
        if (text.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.value;
    }
    const QString t = text.trimmed();
    bool ok = false;
    if (t.startsWith(u'$')) {
        const QStringView digits = QStringView(t).sliced(1);
        const bool hexDigitsOnly = std::all_of(digits.begin(), digits.end(), [](QChar c) {
            return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        });
        if (!digits.isEmpty() && digits.size() <= 8 && hexDigitsOnly) {
            const quint32 v = digits.toUInt(&ok, 16);
            if (ok)
                return v;
        }
    } else {
        const qint32 v = t.toInt(&ok, 10);
        if (ok)
            return static_cast<quint32>(v);
    }
    throw ColourConversionError(QStringLiteral("'%1' is not a valid colour value").arg(text));
}

namespace {
// A mix of the desktop's accent colour into its window colour: caption colours follow the
// desktop theme.
QColor accentTint(const QPalette& pal, double amount) {
    const QColor a = pal.color(QPalette::Highlight);
    const QColor w = pal.color(QPalette::Window);
    auto mix = [amount](int x, int y) { return int(x * amount + y * (1 - amount) + 0.5); };
    return QColor(mix(a.red(), w.red()), mix(a.green(), w.green()), mix(a.blue(), w.blue()));
}
} // namespace

QColor toQColor(quint32 colour) {
    if ((colour & 0xFF000000u) == kSystem) {
        const QPalette pal = QGuiApplication::palette();
        switch (colour & 0xFFu) {
        case 0:
        case 4:
        case 15:
        case 30:
            return pal.color(QPalette::Button);
        case 1:
        case 12:
            return pal.color(QPalette::Dark);
        case 2:
            return accentTint(pal, 0.75); // active caption
        case 3:
            return accentTint(pal, 0.30); // inactive caption
        case 13:
        case 26:
        case 29:
            return pal.color(QPalette::Highlight);
        case 27:
            return accentTint(pal, 0.40); // gradient active caption
        case 28:
            return accentTint(pal, 0.15); // gradient inactive caption
        case 5:
            return pal.color(QPalette::Base);
        case 6:
        case 21:
            return pal.color(QPalette::Shadow);
        case 7:
        case 8:
            return pal.color(QPalette::Text);
        case 9:
        case 14:
            return pal.color(QPalette::HighlightedText);
        case 10:
        case 11:
            return pal.color(QPalette::Window);
        case 16:
            return pal.color(QPalette::Mid);
        case 17:
        case 19:
            return pal.color(QPalette::Disabled, QPalette::Text);
        case 18:
            return pal.color(QPalette::ButtonText);
        case 20:
            return pal.color(QPalette::Light);
        case 22:
            return pal.color(QPalette::Midlight);
        case 23:
            return pal.color(QPalette::ToolTipText);
        case 24:
            return pal.color(QPalette::ToolTipBase);
        default:
            return pal.color(QPalette::Window);
        }
    }
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

quint32 fromQColor(const QColor& c) {
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

} // namespace ColourText
