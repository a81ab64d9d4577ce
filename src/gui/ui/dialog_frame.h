// The frame the small value dialogs share: a borderless, topmost window painted by the "Msg"
// picture, its maroon parts see-through, centred on the main window, with a title, an edit
// field, two skinned buttons (confirm, clear) and a close image placed by the language's layout
// and captioned in the language. Each opening builds a new frame; it does not block the main
// window and deletes itself when closed.
#pragma once

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <vector>

#include "core/ui/layout_plan.h"
#include "gui/ui/skin_button.h"

namespace krvm::gui {

// The names of a dialog's controls; the layout plan addresses them by these names.
struct DialogFrameNames {
    QString background;
    QString title;
    QString edit;
    QString confirmImage;
    QString confirm;
    QString clearImage;
    QString clear;
    QString closeImage;
    QString close;
};

struct DialogTexts {
    QString title;
    QString confirm;
    QString clear;
};

class DialogFrame : public QWidget {
    Q_OBJECT

  public:
    // The frame over `mainWindow`, laid out by `placements`, in `font`'s family.
    DialogFrame(QWidget* mainWindow, const DialogFrameNames& names,
                const std::vector<Placement>& placements, const DialogTexts& texts,
                const QFont& font);

    QLineEdit* edit() const { return m_edit; }
    QLabel* title() const { return m_title; }
    SkinButton* confirmButton() const { return m_confirm; }
    SkinButton* clearButton() const { return m_clear; }
    SkinButton* closeButton() const { return m_close; }

    // Centres the frame on the main window (an extra `drop` moves it lower) and shows it.
    void showCentred(int drop = 0);

  signals:
    // The confirm button was clicked; the dialog decides what to hand back and closes.
    void confirmClicked();

  private:
    // A caption label over its image; `skin` + "1", "2", "3" are its normal, hover and
    // pressed images.
    SkinButton* addButton(const QString& imageName, const QString& labelName, const QString& text,
                          const QString& skin, QLabel** image);

    QWidget* m_mainWindow;
    QLabel* m_background = nullptr;
    QLabel* m_title = nullptr;
    QLineEdit* m_edit = nullptr;
    QLabel* m_confirmImage = nullptr;
    QLabel* m_clearImage = nullptr;
    QLabel* m_closeImage = nullptr;
    SkinButton* m_confirm = nullptr;
    SkinButton* m_clear = nullptr;
    SkinButton* m_close = nullptr;
};

}  // namespace krvm::gui
