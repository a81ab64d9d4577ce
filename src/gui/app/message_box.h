// Every message the window shows to the user goes through one presenter: a modal box with the
// text, one OK button and no icon. Tests put a recorder in its place.
#pragma once

#include <QString>
#include <QWidget>

namespace krvm {

class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    // Shows `text` and returns when the user has pressed OK.
    virtual void show(const QString& text, const QString& caption) = 0;
};

class MessageBoxPresenter final : public MessagePresenter {
  public:
    explicit MessageBoxPresenter(QWidget* parent) : m_parent(parent) {}
    void show(const QString& text, const QString& caption) override;

  private:
    QWidget* m_parent;
};

}  // namespace krvm
