#pragma once

namespace platform::forms {

// Maps the Windows face names of the designer data ("宋体") to installed faces.
void InstallFontSubstitutions();

}  // namespace platform::forms
