// The engineer page's language, decided once at start-up from the system locale: simplified
// Chinese on a mainland-China system, English everywhere else. The language buttons never
// change it.
#pragma once

#include <QLocale>

namespace krvm::gui {

// 2 (Chinese) when `locale` is zh_CN, otherwise 0 (English); see core/ui/term_table.h.
int engineerLanguage(const QLocale& locale = QLocale::system());

}  // namespace krvm::gui
