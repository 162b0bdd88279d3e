#include "output/FontSostitutivi.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <mutex>

void PreparaFontSostitutivi() {
    static std::once_flag fatto;
    std::call_once(fatto, [] {
        const struct {
            const char* windows;
            const char* liberation;
        } coppie[] = {
            {"Courier New", "Liberation Mono"},
            {"Times New Roman", "Liberation Serif"},
            {"Arial", "Liberation Sans"},
        };
        const QStringList presenti = QFontDatabase::families();
        for (const auto& [windows, liberation] : coppie) {
            if (!presenti.contains(QLatin1String(windows), Qt::CaseInsensitive))
                QFont::insertSubstitution(QLatin1String(windows), QLatin1String(liberation));
        }
    });
}
