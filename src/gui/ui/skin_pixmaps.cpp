#include "gui/ui/skin_pixmaps.h"

#include <QHash>
#include <QLabel>

#include "core/resources/embedded.h"

namespace krvm::gui {

QPixmap skinPixmap(const QString& name) {
    static QHash<QString, QPixmap> cache;
    const QString key = name.toLower();
    if (const auto it = cache.constFind(key); it != cache.constEnd()) return *it;
    QPixmap pixmap;
    if (const auto bytes = resources::find(name.toStdString())) {
        pixmap.loadFromData(bytes->data(), static_cast<uint>(bytes->size()), "PNG");
    }
    cache.insert(key, pixmap);
    return pixmap;
}

bool showSkin(QWidget* root, const QString& control, const QString& image) {
    auto* label = root->findChild<QLabel*>(control);
    if (label == nullptr) return false;
    const QPixmap pixmap = skinPixmap(image);
    label->setPixmap(pixmap);
    label->resize(pixmap.size());
    return true;
}

}  // namespace krvm::gui
