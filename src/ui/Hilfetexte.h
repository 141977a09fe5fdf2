#pragma once
// Numbers of the language texts of the Help windows and the theme choice, with the English
// wording used while the language file has none.

namespace sw::meldung {

inline constexpr int TastenkuerzelTitel = 1925;
inline constexpr const char* TastenkuerzelTitelText = "Keyboard shortcuts";
inline constexpr int TastenkuerzelBefehl = 1926;
inline constexpr const char* TastenkuerzelBefehlText = "Command";
inline constexpr int TastenkuerzelTaste = 1927;
inline constexpr const char* TastenkuerzelTasteText = "Key";
inline constexpr int TastenkuerzelMenues = 1928;
inline constexpr const char* TastenkuerzelMenuesText = "Menus and toolbars";
inline constexpr int TastenkuerzelLeinwand = 1929;
inline constexpr const char* TastenkuerzelLeinwandText = "Canvas";
inline constexpr int AnleitungTitel = 1930;
inline constexpr const char* AnleitungTitelText = "User guide";
inline constexpr int AnleitungSuchen = 1931;
inline constexpr const char* AnleitungSuchenText = "Find:";
inline constexpr int UeberTitel = 1932; // \xxx\ is the program's name
inline constexpr const char* UeberTitelText = "About \\xxx\\";
inline constexpr int UeberVersion = 1933;
inline constexpr const char* UeberVersionText = "Version";
inline constexpr int UeberLizenz = 1934;
inline constexpr const char* UeberLizenzText = "Licence";
inline constexpr int UeberBibliotheken = 1935;
inline constexpr const char* UeberBibliothekenText = "Libraries used";
inline constexpr int UeberDank = 1936;
inline constexpr const char* UeberDankText =
    "Built with Qt and other free software; icons drawn for this program.";
inline constexpr int HilfeSchliessen = 1937;
inline constexpr const char* HilfeSchliessenText = "Close";
inline constexpr int ThemaHell = 1938;
inline constexpr const char* ThemaHellText = "Light theme";
inline constexpr int ThemaDunkel = 1939;
inline constexpr const char* ThemaDunkelText = "Dark theme";

} // namespace sw::meldung
