// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyCodes.h"

namespace entry::keys {

int fromQt(int qtKey, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return (keypad ? NumPad0 : Digit0) + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F13)
        return F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return Back;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Enter;
    case Qt::Key_Escape:
        return Esc;
    case Qt::Key_Left:
        return Left;
    case Qt::Key_Up:
        return Up;
    case Qt::Key_Right:
        return Right;
    case Qt::Key_Down:
        return Down;
    case Qt::Key_Insert:
        return Insert;
    case Qt::Key_Delete:
        return Delete;
    case Qt::Key_Asterisk:
        return Multiply;
    case Qt::Key_Plus:
        return keypad ? Add : OemPlus;
    case Qt::Key_Minus:
        return keypad ? Subtract : OemMinus;
    case Qt::Key_Slash:
        return keypad ? Divide : 0;
    case Qt::Key_Comma:
        return keypad ? Decimal : OemComma;
    case Qt::Key_Period:
        return keypad ? Decimal : OemPeriod;
    default:
        return 0;
    }
}

} // namespace entry::keys
