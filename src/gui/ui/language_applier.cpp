#include "gui/ui/language_applier.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "core/ui/language_plan.h"
#include "gui/ui/font_resolver.h"

namespace krvm::gui {

namespace {

const QString kEngineerPage = QStringLiteral("gbPage6");

bool onEngineerPage(const QWidget* w) {
    for (const QWidget* p = w; p != nullptr; p = p->parentWidget()) {
        if (p->objectName() == kEngineerPage) return true;
    }
    return false;
}

bool isTextControl(QWidget* w) {
    return qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
           qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QAbstractItemView*>(w);
}

QWidget* find(QWidget* root, const std::string& name) {
    return root->findChild<QWidget*>(QString::fromStdString(name));
}

std::optional<std::string> captionOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().toStdString();
    return std::nullopt;
}

bool setCaption(QWidget* w, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(text);
        return true;
    }
    return false;
}

QString sampleOf(const LanguagePlan& plan) {
    QString sample;
    for (const CaptionChange& c : plan.captions) sample += QString::fromStdString(c.text);
    return sample;
}

}  // namespace

AppliedLanguage LanguageApplier::apply(QWidget* root, int language) {
    AppliedLanguage result;
    if (!is_language(language)) return result;
    const LanguageTable& table = embedded_tables()[static_cast<std::size_t>(language - 1)];
    const LanguagePlan plan =
        plan_language(table, embedded_tables(), [root](std::string_view name) {
            QWidget* w = find(root, std::string(name));
            return w ? captionOf(w) : std::nullopt;
        });
    result.kept = plan.kept;

    // 1. The language's font on every text control, resolved to an installed font that draws
    //    the language's captions.
    result.font =
        FontResolver::resolve(QString::fromStdString(plan.kept.font_name), sampleOf(plan));
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!isTextControl(w) || onEngineerPage(w)) continue;
        QFont font = w->font();
        font.setFamily(result.font.family());
        w->setFont(font);
    }
    // 2.-6. Title and kept texts are in result.kept; captions and items follow in plan order.
    for (const CaptionChange& c : plan.captions) {
        QWidget* w = find(root, c.control);
        if (w == nullptr || !setCaption(w, QString::fromStdString(c.text))) {
            result.missing << QString::fromStdString(c.control);
        }
    }
    for (const ItemsChange& change : plan.items) {
        auto* box = root->findChild<QComboBox*>(QString::fromStdString(change.control));
        if (box == nullptr) {
            result.missing << QString::fromStdString(change.control);
            continue;
        }
        const int index = box->currentIndex();
        box->clear();
        for (const std::string& item : change.items) box->addItem(QString::fromStdString(item));
        box->setCurrentIndex(index < box->count() ? index : -1);
    }
    return result;
}

}  // namespace krvm::gui
