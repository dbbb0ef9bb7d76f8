#pragma once

// Qt's own texts (message-box buttons, file dialogs) in the interface
// language, from the qtbase catalogues that come with the system's Qt.
// A translator belongs to the whole application, so there is one, shared by
// every window; numbers and dates keep the system locale whatever it says.

#include <QString>

#include <cstdint>

namespace korvane::app {

class QtTranslation {
public:
    // Replaces the application's Qt catalogue with the one of language.
    // English is Qt's own language and needs none. False when the catalogue
    // cannot be loaded: Qt's texts then stay English.
    static bool Apply(std::uint8_t language);

    // "qtbase_de", "qtbase_fr", "qtbase_cs"; empty for English.
    [[nodiscard]] static QString CatalogueName(std::uint8_t language);
};

}  // namespace korvane::app
