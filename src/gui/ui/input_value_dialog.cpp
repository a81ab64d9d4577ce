#include "gui/ui/input_value_dialog.h"

#include <QKeyEvent>

#include "core/ui/input_value_guard.h"
#include "core/ui/language_table.h"
#include "core/ui/layout.h"

namespace krvm::gui {

namespace {

const DialogFrameNames kNames{
    QStringLiteral("Img_EditTime"), QStringLiteral("lbl_EditTime"), QStringLiteral("Edt_EditTime"),
    QStringLiteral("Img_Confirm"),  QStringLiteral("IB_Confirm"),   QStringLiteral("Img_Cancel"),
    QStringLiteral("IB_Cancel"),    QStringLiteral("Img_Close"),    QStringLiteral("IB_Close"),
};

QString tableText(int language, const char* id) {
    if (!is_language(language)) return {};
    const LanguageTable& table = embedded_tables()[static_cast<std::size_t>(language - 1)];
    return QString::fromStdString(table.text(id));
}

}  // namespace

InputValueDialog* InputValueDialog::open(QWidget* mainWindow, int kind, int language,
                                         const QFont& font) {
    std::vector<Placement> placements;
    if (Result<Layout> layout = load_layout(language)) placements = plan_value_dialog(*layout);
    const DialogTexts texts{tableText(language, "Str523"), tableText(language, "Str511"),
                            tableText(language, "Str512")};
    auto* dialog = new InputValueDialog(mainWindow, kind, placements, texts, font);
    dialog->showCentred();
    return dialog;
}

InputValueDialog::InputValueDialog(QWidget* mainWindow, int kind,
                                   const std::vector<Placement>& placements,
                                   const DialogTexts& texts, const QFont& font)
    : DialogFrame(mainWindow, kNames, placements, texts, font), m_kind(kind) {
    setObjectName(QStringLiteral("Form7"));
    edit()->installEventFilter(this);
    connect(edit(), &QLineEdit::textChanged, this, &InputValueDialog::guard);
    connect(this, &DialogFrame::confirmClicked, this, [this] {
        emit valueChosen(edit()->text());
        close();
    });
}

void InputValueDialog::guard(const QString& text) {
    const std::optional<std::string> corrected = guard_input_value(m_kind, text.toStdString());
    if (corrected) edit()->setText(QString::fromStdString(*corrected));
}

// Typed characters other than digits and "-" never reach the field; backspace and the keys
// without a character (arrows, Delete) work as usual.
bool InputValueDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit() && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.isEmpty() || typed == QStringLiteral("\b")) return false;
        for (const QChar c : typed) {
            if (!c.isPrint()) return false;
            if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && c != QLatin1Char('-')) {
                return true;
            }
        }
    }
    return DialogFrame::eventFilter(watched, event);
}

}  // namespace krvm::gui
