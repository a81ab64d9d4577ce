#include "gui/ui/font_resolver.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>

namespace krvm::gui {

namespace {

struct Substitute {
    const char* family;
    QStringList candidates;
};

const QList<Substitute>& substitutes() {
    static const QList<Substitute> list = {
        {"Microsoft YaHei",
         {"Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Micro Hei", "WenQuanYi Zen Hei",
          "Droid Sans Fallback", "AR PL UMing CN"}},
        {"Microsoft JhengHei",
         {"Noto Sans CJK TC", "Source Han Sans TC", "WenQuanYi Micro Hei", "WenQuanYi Zen Hei",
          "Droid Sans Fallback", "AR PL UMing TW"}},
        {"Arial Narrow",
         {"Liberation Sans Narrow", "Arimo", "DejaVu Sans Condensed", "Liberation Sans",
          "DejaVu Sans", "Noto Sans"}},
        {"MS Sans Serif", {"DejaVu Sans", "Liberation Sans", "Noto Sans", "WenQuanYi Micro Hei"}},
    };
    return list;
}

bool draws(const QFont& font, const QString& sample) {
    const QFontMetrics metrics(font);
    for (const QChar c : sample) {
        if (c.isSpace() || c.isSurrogate()) continue;
        if (!metrics.inFont(c)) return false;
    }
    return true;
}

}  // namespace

void FontResolver::installSubstitutions() {
    const QStringList installed = QFontDatabase::families();
    for (const Substitute& s : substitutes()) {
        QStringList present;
        for (const QString& candidate : s.candidates) {
            if (installed.contains(candidate, Qt::CaseInsensitive)) present << candidate;
        }
        QFont::insertSubstitutions(QString::fromLatin1(s.family), present);
    }
}

QFont FontResolver::resolve(const QString& family, const QString& sample) {
    const QStringList installed = QFontDatabase::families();
    QStringList tries;
    if (installed.contains(family, Qt::CaseInsensitive)) tries << family;
    tries << QFont::substitutes(family);
    for (const Substitute& s : substitutes()) {
        if (family.compare(QLatin1String(s.family), Qt::CaseInsensitive) == 0)
            tries << s.candidates;
    }
    for (const QString& candidate : tries) {
        if (!installed.contains(candidate, Qt::CaseInsensitive)) continue;
        QFont font(candidate);
        if (draws(font, sample)) return font;
    }
    // Nothing named fits: any installed family that draws the sample.
    for (const QString& candidate : installed) {
        QFont font(candidate);
        if (draws(font, sample)) return font;
    }
    return QApplication::font();
}

}  // namespace krvm::gui
