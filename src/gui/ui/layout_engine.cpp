#include "gui/ui/layout_engine.h"

#include <QAbstractButton>
#include <QColor>
#include <QLabel>
#include <QSet>
#include <QWidget>

namespace krvm::gui {

namespace {

const char* const kFontColour = "krvmFontColour";
const char* const kBackColour = "krvmBackColour";
const char* const kBorderColour = "krvmBorderColour";

QColor toQColor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

// Colours go into one style sheet per widget, built from what the layout set so far, so a
// later placement that sets only the border keeps the earlier background and font colour.
void restyle(QWidget* w) {
    QString sheet;
    const QVariant font = w->property(kFontColour);
    const QVariant back = w->property(kBackColour);
    const QVariant border = w->property(kBorderColour);
    if (font.isValid()) sheet += QStringLiteral("color: %1;").arg(font.value<QColor>().name());
    if (back.isValid()) {
        sheet += QStringLiteral("background-color: %1;").arg(back.value<QColor>().name());
    }
    if (border.isValid()) {
        sheet += QStringLiteral("border: 1px solid %1;").arg(border.value<QColor>().name());
    }
    w->setStyleSheet(sheet);
}

void applyLook(QWidget* w, const Placement& p) {
    if (p.font_size && *p.font_size > 0) {
        QFont font = w->font();
        font.setPointSize(*p.font_size);
        w->setFont(font);
    }
    bool styled = false;
    if (p.font_colour) {
        w->setProperty(kFontColour, toQColor(*p.font_colour));
        styled = true;
    }
    if (p.back_colour) {
        w->setProperty(kBackColour, toQColor(*p.back_colour));
        styled = true;
    }
    if (p.border_colour) {
        w->setProperty(kBorderColour, toQColor(*p.border_colour));
        styled = true;
    }
    if (styled) restyle(w);
}

QString itemText(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    return {};
}

// Menu panels: the panel takes background and border; its item labels take font, colour and
// width, and the ">>" arrows of the sub-menu entries sit near the right edge.
void applyToItems(QWidget* panel, const Placement& p) {
    Placement own;
    own.back_colour = p.back_colour;
    own.border_colour = p.border_colour;
    applyLook(panel, own);
    if (p.width) panel->resize(*p.width, panel->height());
    Placement items;
    items.font_size = p.font_size;
    items.font_colour = p.font_colour;
    for (QWidget* child : panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<QLabel*>(child) && !qobject_cast<QAbstractButton*>(child)) continue;
        applyLook(child, items);
        if (itemText(child).trimmed() == QLatin1String(">>")) {
            if (p.arrow_x) child->move(*p.arrow_x, child->y());
        } else if (p.item_width) {
            child->resize(*p.item_width, child->height());
        }
    }
}

}  // namespace

QStringList LayoutEngine::apply(QWidget* root, const std::vector<Placement>& placements) {
    QStringList missing;
    QSet<QString> reported;
    for (const Placement& p : placements) {
        const QString name = QString::fromStdString(p.control);
        QWidget* w = root->objectName() == name ? root : root->findChild<QWidget*>(name);
        if (w == nullptr) {
            if (!reported.contains(name)) {
                reported.insert(name);
                missing << name;
            }
            continue;
        }
        if (p.x || p.y) w->move(p.x.value_or(w->x()), p.y.value_or(w->y()));
        if (p.width || p.height)
            w->resize(p.width.value_or(w->width()), p.height.value_or(w->height()));
        if (p.to_items) {
            applyToItems(w, p);
        } else {
            applyLook(w, p);
        }
        if (p.on_top) w->raise();
        if (p.visible) w->setVisible(*p.visible);
    }
    return missing;
}

}  // namespace krvm::gui
