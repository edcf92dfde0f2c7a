#pragma once

// Makes the faces the forms ask for available: "Times New Roman" and "Arial" are answered by
// Liberation Serif and Liberation Sans (same metrics), Arabic text uses Amiri. Safe to call
// any number of times; needs a QGuiApplication.
void installFormFonts();

namespace FormFonts {
inline constexpr const char *serifFamily = "Times New Roman";
inline constexpr const char *sansFamily = "Arial";
inline constexpr const char *arabicFamily = "Amiri";
}
