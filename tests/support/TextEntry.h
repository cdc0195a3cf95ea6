#pragma once

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

// The ways a user puts text into a field, as the field receives them.
namespace TextEntry {

// Key by key, each key with its own character (one outside the BMP as one key), as a keyboard
// delivers them.
inline void type(QWidget* field, const QString& text) {
    for (char32_t cp : text.toUcs4()) {
        const QString key = QString::fromUcs4(&cp, 1);
        const Qt::Key code =
            cp < 0x10000 ? Qt::Key(QChar(char16_t(cp)).toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, field, code, key, Qt::NoModifier);
    }
}

inline void pasteWithCtrlV(QWidget* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// A right click on the field through its window, then a click on the menu's Paste.
inline void pasteFromContextMenu(QWidget* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    QWidget* window = field->window();
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                      field->mapTo(window, QPoint(5, 5)));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const QList<QAction*> actions = menu->actions();
    const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction* a) {
        return a->text().startsWith(QLatin1String("&Paste"));
    });
    QVERIFY(paste != actions.end() && (*paste)->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*paste).center());
}

// Dragged in from elsewhere and dropped in the middle of the field.
inline void drop(QWidget* field, const QString& text) {
    if (auto* box = qobject_cast<QAbstractScrollArea*>(field))
        field = box->viewport();
    QMimeData mime;
    mime.setText(text);
    const QPoint at = field->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &move);
    QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &dropped);
}

// Composed by an input method: shown while composing, then committed.
inline void compose(QWidget* field, const QString& text) {
    QInputMethodEvent composing(text, {});
    QApplication::sendEvent(field, &composing);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(field, &commit);
}

} // namespace TextEntry
