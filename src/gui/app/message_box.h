// Every message the window shows to the user goes through one presenter: a modal box with the
// text, the application title as caption, one OK button and no icon. Tests put a recorder in
// its place.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include <optional>

namespace krvm {

class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    // Shows `text` in the current language's font and returns when the user has pressed OK.
    virtual void show(const QString& text, const QString& caption) = 0;
    // The plain notice of the page and device buttons: the same box in the system's font.
    virtual void showPlain(const QString& text, const QString& caption) { show(text, caption); }
    // The font of the current language; the window sets it at every language switch.
    virtual void setLanguageFont(const QFont&) {}
};

class MessageBoxPresenter final : public MessagePresenter {
  public:
    explicit MessageBoxPresenter(QWidget* parent) : m_parent(parent) {}
    void show(const QString& text, const QString& caption) override;
    void showPlain(const QString& text, const QString& caption) override;
    void setLanguageFont(const QFont& font) override { m_font = font; }

  private:
    void exec(const QString& text, const QString& caption, const std::optional<QFont>& font);

    QWidget* m_parent;
    std::optional<QFont> m_font;
};

}  // namespace krvm
