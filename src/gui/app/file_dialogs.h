// The open and save dialogs of the profile buttons behind a small interface, so tests answer
// them without a person. Filters are written as "Description(*.ext)|*.ext" pairs.
#pragma once

#include <QString>

class QWidget;

namespace krvm {

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen file name, or the empty text when the dialog was cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
};

class QtFileDialogs final : public FileDialogs {
  public:
    QString saveFileName(QWidget* parent, const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& filter) override;
};

// "SaveFile(*.bin)|*.bin" as a Qt name filter: "SaveFile(*.bin)"; a description without its
// patterns gets them appended ("Profiles|*.bin" -> "Profiles (*.bin)"). Pairs join with ";;".
QString qtNameFilter(const QString& pairs);

}  // namespace krvm
