#pragma once

class QCoreApplication;

namespace quadrelle {

// Installs the window's texts in the system locale's language, when one is shipped.
// Returns whether one was found; English needs none.
bool InstallTranslations(QCoreApplication &app);

} // namespace quadrelle
