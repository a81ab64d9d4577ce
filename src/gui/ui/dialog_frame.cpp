#include "gui/ui/dialog_frame.h"

#include "gui/ui/layout_engine.h"
#include "gui/ui/shaped_window.h"
#include "gui/ui/skin_pixmaps.h"

namespace krvm::gui {

namespace {

const QString kButtonSkin = QStringLiteral("BtnS_0");
const QString kCloseSkin = QStringLiteral("ExitS_0");

void setFamily(QWidget* w, const QFont& font) {
    QFont own = w->font();
    own.setFamily(font.family());
    w->setFont(own);
}

}  // namespace

DialogFrame::DialogFrame(QWidget* mainWindow, const DialogFrameNames& names,
                         const std::vector<Placement>& placements, const DialogTexts& texts,
                         const QFont& font)
    : QWidget(mainWindow, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_mainWindow(mainWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(kKeyColour));
    setPalette(palette);
    setAutoFillBackground(true);

    m_background = new QLabel(this);
    m_background->setObjectName(names.background);
    const QPixmap msg = skinPixmap(QStringLiteral("Msg"));
    m_background->setPixmap(msg);
    m_background->resize(msg.size());
    setFixedSize(msg.size());
    shapeToPicture(this, msg);

    m_title = new QLabel(texts.title, this);
    m_title->setObjectName(names.title);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(names.edit);
    m_edit->setAlignment(Qt::AlignCenter);
    m_confirm =
        addButton(names.confirmImage, names.confirm, texts.confirm, kButtonSkin, &m_confirmImage);
    m_clear = addButton(names.clearImage, names.clear, texts.clear, kButtonSkin, &m_clearImage);
    m_close = addButton(names.closeImage, names.close, QString(), kCloseSkin, &m_closeImage);

    for (QWidget* w : {static_cast<QWidget*>(m_title), static_cast<QWidget*>(m_edit),
                       static_cast<QWidget*>(m_confirm), static_cast<QWidget*>(m_clear)}) {
        setFamily(w, font);
    }
    LayoutEngine::apply(this, placements);
    m_title->adjustSize();
    // The layout gives the field its light text colour; it lies on a dark field of its own so
    // the text stays legible on the dark picture.
    m_edit->setStyleSheet(m_edit->styleSheet() +
                          QStringLiteral("background-color:#14171d;border:1px solid #1f7fa6;"));

    connect(m_confirm, &SkinButton::clicked, this, [this] {
        showSkin(this, m_confirmImage->objectName(), kButtonSkin + QLatin1Char('3'));
        emit confirmClicked();
    });
    // Emptying the field is a change like any other: the dialog's guard sees it.
    connect(m_clear, &SkinButton::clicked, this, [this] {
        showSkin(this, m_clearImage->objectName(), kButtonSkin + QLatin1Char('3'));
        m_edit->clear();
    });
    connect(m_close, &SkinButton::clicked, this, [this] {
        showSkin(this, m_closeImage->objectName(), kCloseSkin + QLatin1Char('3'));
        close();
    });
}

SkinButton* DialogFrame::addButton(const QString& imageName, const QString& labelName,
                                   const QString& text, const QString& skin, QLabel** image) {
    *image = new QLabel(this);
    (*image)->setObjectName(imageName);
    auto* button = new SkinButton(labelName, this);
    button->setText(text);
    showSkin(this, imageName, skin + QLatin1Char('1'));
    button->resize((*image)->size());
    QLabel* own = *image;
    connect(button, &SkinButton::entered, this,
            [this, own, skin] { showSkin(this, own->objectName(), skin + QLatin1Char('2')); });
    connect(button, &SkinButton::left, this,
            [this, own, skin] { showSkin(this, own->objectName(), skin + QLatin1Char('1')); });
    return button;
}

void DialogFrame::showCentred(int drop) {
    const QRect main = m_mainWindow->frameGeometry();
    move(main.left() + (main.width() - width()) / 2,
         main.top() + (main.height() - height()) / 2 + drop);
    show();
    raise();
    activateWindow();
}

}  // namespace krvm::gui
