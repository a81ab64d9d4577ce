// Input Value: the dialog with which the macro editor changes the value of a movement or repeat
// line. The field accepts digits and "-" only and keeps its value in the range of the line's
// kind as it is typed; confirm hands the text back, the close image hands nothing back.
#pragma once

#include "gui/ui/dialog_frame.h"

namespace krvm::gui {

class InputValueDialog final : public DialogFrame {
    Q_OBJECT

  public:
    // A new dialog over `mainWindow` for a line of `kind` (3, 5 or 7), in `language`'s layout
    // and texts and `font`'s family; shown at once, centred, without blocking the window.
    static InputValueDialog* open(QWidget* mainWindow, int kind, int language, const QFont& font);

    int kind() const { return m_kind; }

  signals:
    // The edit text at confirm (empty when nothing was typed: the line then stays as it was).
    void valueChosen(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    InputValueDialog(QWidget* mainWindow, int kind, const std::vector<Placement>& placements,
                     const DialogTexts& texts, const QFont& font);
    void guard(const QString& text);

    int m_kind;
};

}  // namespace krvm::gui
