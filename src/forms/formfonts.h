#pragma once

// Makes the faces the forms ask for available: "Times New Roman" and "Arial" are answered by
// Liberation Serif and Liberation Sans (same metrics). Arabic text is set in the Noto Arabic UI
// faces, whose vertical metrics are made to sit with Latin text: Naskh beside the serif rows,
// Sans beside the Arial rows. Safe to call any number of times; needs a QGuiApplication.
void installFormFonts();

namespace FormFonts {
inline constexpr const char *serifFamily = "Times New Roman";
inline constexpr const char *sansFamily = "Arial";
inline constexpr const char *arabicSerifFamily = "Noto Naskh Arabic UI";
inline constexpr const char *arabicSansFamily = "Noto Sans Arabic UI";
}
