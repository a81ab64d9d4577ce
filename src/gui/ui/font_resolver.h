// The language tables name Windows fonts ("Microsoft YaHei", "Arial Narrow", ...). This maps
// each to an installed font that has the glyphs the language needs, through Qt's font
// substitution, so a Chinese caption never shows empty boxes.
#pragma once

#include <QFont>
#include <QString>

namespace krvm::gui {

class FontResolver {
  public:
    // Registers the substitutes of the Windows fonts the program names. Call once at start-up,
    // after the QApplication exists.
    static void installSubstitutions();

    // A font of `family` (or its first installed substitute) that draws every character of
    // `sample`; the application's default font when none does.
    static QFont resolve(const QString& family, const QString& sample);
};

}  // namespace krvm::gui
