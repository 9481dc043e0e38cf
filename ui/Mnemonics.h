#pragma once
// The buttons' mnemonics (Alt and the underlined letter), one table for the whole program. The
// captions stay as they are written; the letter is marked where it first occurs in them.

#include <QWidget>

namespace vantorel {

// Marks the mnemonic of every button of the window that has one, found by object name: the group
// panels' Save and Cancel take S and C, the others the letters of the table. No two buttons shown
// at the same time share a letter, nor a button of the main window a menu's.
void AddMnemonics(QWidget& window);

}  // namespace vantorel
