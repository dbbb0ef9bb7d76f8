// The settings file, the parameter snapshot and the diagnostic marker.

#include "app/TFormHlav.h"

namespace korvane::app {

void TFormHlav::LoadSettings() {}
void TFormHlav::SaveSettings() {}
void TFormHlav::ReadDiagnosticMarker() {}

}  // namespace korvane::app
