#pragma once
// The names of the main window's commands (menu items and tool buttons) and
// of the tool bar's panels, as WindowFrame::action, connectCommand and
// showPanel take them. Each value is the control's objectName, which tests
// find with findChild; the constants are named by what the command does, so
// that a misspelt command is a compile error instead of a silent no-op.
namespace hk {

namespace cmd {

// ---- Menu "Zadávání"
inline constexpr char EntryMenu[] = "zadavani";
inline constexpr char NewDrawing[] = "novy";
inline constexpr char SpecialDrawing[] = "zvlastni";
inline constexpr char CorrectRecord[] = "oprava";
inline constexpr char SaveDataMenu[] = "ulozitdata";
inline constexpr char SaveData[] = "ulozitdat";
inline constexpr char SaveAscii[] = "ulozASCI";
inline constexpr char SaveFaculaePositions[] = "Polohyfakul1";
inline constexpr char LastDrawing[] = "posledni1";
inline constexpr char PrintDrawing[] = "tisk1";
inline constexpr char SaveDrawings[] = "Ulozkresy";
inline constexpr char Exit[] = "konec";

// ---- Menu "Grafy"
inline constexpr char GraphsMenu[] = "Grafy1";
inline constexpr char Butterfly[] = "motylek1";
inline constexpr char Graphs[] = "graf";
inline constexpr char SmoothedGraphs[] = "vyhlazovaci";
inline constexpr char AsymmetryMenu[] = "asymetrie";
inline constexpr char AsymmetryDifference[] = "asyroz";
inline constexpr char AsymmetryRatio[] = "asypo";
inline constexpr char Maps[] = "map";

// ---- The other items of the menu bar
inline constexpr char Results[] = "vysledky1";
inline constexpr char About[] = "About1";
inline constexpr char Help[] = "napoveda";
inline constexpr char SunCoordinates[] = "souslunce";

// ---- The default panel; a button that follows a menu item is named after it
inline constexpr char NewDrawingButton[] = "novyzakres";
inline constexpr char SpecialDrawingButton[] = "zvlastnizakrrs";
inline constexpr char CorrectRecordButton[] = "opravazaz";
inline constexpr char SaveDataButton[] = "ulozit";
inline constexpr char LastDrawingButton[] = "poslednizaz";
inline constexpr char ButterflyButton[] = "motylekz";
inline constexpr char GraphsButton[] = "grafyz";
inline constexpr char SmoothedGraphsButton[] = "vyhladitz";
inline constexpr char AsymmetryButton[] = "asimetryz";
inline constexpr char MapsButton[] = "mapyz";
inline constexpr char ResultsButton[] = "vysledekz";
inline constexpr char ToggleDrawingSize[] = "menvet";
inline constexpr char ToggleGroupList[] = "pomocnaskvrna";
inline constexpr char ToggleOrientation[] = "SpeedButton2";
inline constexpr char SaveDrawingsButton[] = "SpeedButton3";
inline constexpr char SaveDrawingsJpeg[] = "SpeedButton14";
inline constexpr char PrintDrawingButton[] = "SpeedButton7";
inline constexpr char EntryFromPhoto[] = "zfota";

// ---- Butterfly diagram panel
inline constexpr char ButterflyNarrower[] = "vlevo";
inline constexpr char ButterflyWider[] = "vpravo";
inline constexpr char ButterflyTaller[] = "vetsi";
inline constexpr char ButterflyLower[] = "mensi";
inline constexpr char ButterflySpots[] = "skvrny";
inline constexpr char ButterflyFaculae[] = "fakule";
inline constexpr char ButterflySpotsAndFaculae[] = "skvrfak";
inline constexpr char ButterflyFaculaeWidth[] = "sirfakule";
inline constexpr char ButterflyGroupHeight[] = "vyskvrn";
inline constexpr char ButterflySmoothedHeight[] = "vyskhlaz";
inline constexpr char ButterflyOutline[] = "hranice";
inline constexpr char ButterflyFullOutline[] = "vse";
inline constexpr char ButterflyUnderlay[] = "podkresleni";
inline constexpr char ButterflyCoronaUnderlay[] = "podkreskorona";
inline constexpr char ButterflyClose[] = "SpeedButton12";

// ---- Daily graphs panel
inline constexpr char GraphGroups[] = "gb";
inline constexpr char GraphSpots[] = "fb";
inline constexpr char GraphRelativeNumber[] = "rb";
inline constexpr char GraphCv[] = "cvb";
inline constexpr char GraphSn[] = "snb";
inline constexpr char GraphRb[] = "rbb";
inline constexpr char GraphGroupArea[] = "plochb";
inline constexpr char GraphHemispheres[] = "polob";
inline constexpr char GraphFaculaeArea[] = "plochfak";
inline constexpr char GraphAll[] = "vsechny";
inline constexpr char GraphTotal[] = "celkovy";
inline constexpr char GraphNorth[] = "sevrni";
inline constexpr char GraphSouth[] = "jizni";
inline constexpr char GraphScale[] = "stupnice";
inline constexpr char GraphGroupsNorthEastWest[] = "gsvz";
inline constexpr char GraphInterSol[] = "solgraf";
inline constexpr char GraphClose[] = "SpeedButton13";

// ---- Smoothed graphs panel
inline constexpr char SmoothedGroups[] = "gv";
inline constexpr char SmoothedSpots[] = "fv";
inline constexpr char SmoothedRelativeNumber[] = "rv";
inline constexpr char SmoothedCv[] = "cvv";
inline constexpr char SmoothedSn[] = "snv";
inline constexpr char SmoothedRb[] = "rbv";
inline constexpr char SmoothedGroupArea[] = "plochv";
inline constexpr char SmoothedHemispheres[] = "polokouv";
inline constexpr char SmoothedPerDrawing[] = "zakrsovy";
inline constexpr char SmoothedMonthly[] = "mesicni";
inline constexpr char SmoothedYearly[] = "rocni";
inline constexpr char SmoothedScale[] = "stupnicevyhl";
inline constexpr char SmoothedInterSol[] = "Solvyhla";
inline constexpr char SmoothedWhole[] = "CElek";
inline constexpr char SmoothedNorth[] = "severni";
inline constexpr char SmoothedSouth[] = "jizniv";
inline constexpr char SmoothedNorthMinusSouth[] = "sev_jih";
inline constexpr char SmoothedNarrower[] = "zmensit";
inline constexpr char SmoothedWider[] = "rozsirit";
inline constexpr char SmoothedClose[] = "SpeedButton11";

// ---- Synoptic map panel
inline constexpr char MapRotation[] = "rotacem";
inline constexpr char MapSmallMaps[] = "mapam";
inline constexpr char MapLong[] = "dlouham";
inline constexpr char MapHigh[] = "vysokam";
inline constexpr char MapTwoMaps[] = "SpeedButton5";
inline constexpr char MapCoronaGraph[] = "koronagraf";
inline constexpr char MapCoronaIntensity[] = "koronaitensit";
inline constexpr char MapCoronaGlobal[] = "koronsku";
inline constexpr char MapCoronaUnderlay[] = "koronpod";
inline constexpr char MapMagnetosphere[] = "magnetpod";
inline constexpr char MapComparison[] = "srovnan";
inline constexpr char MapDoubleAreas[] = "SpeedButton6";
inline constexpr char MapInsertText[] = "vloztext";
inline constexpr char MapClose[] = "SpeedButton10";

// ---- Results panel
inline constexpr char ResultsOwn[] = "vlastniv";
inline constexpr char ResultsSidc[] = "oficialv";
inline constexpr char ResultsCv[] = "CVvysledky";
inline constexpr char ResultsMeasuredDisk[] = "namercelek";
inline constexpr char ResultsMeasuredNorth[] = "namersever";
inline constexpr char ResultsMeasuredSouth[] = "namerjih";
inline constexpr char ResultsSmoothedDisk[] = "vyhlcelek";
inline constexpr char ResultsSmoothedNorth[] = "vyhlsever";
inline constexpr char ResultsSmoothedSouth[] = "vyhljih";
inline constexpr char ResultsObservers[] = "pozorovatelv";
inline constexpr char ResultsLatitudes[] = "vyskytskup";
inline constexpr char ResultsGroupEvolution[] = "vyvojskup";
inline constexpr char ResultsMapData[] = "promapovy";
inline constexpr char ResultsLargestGroups[] = "velikost";
inline constexpr char ResultsSpotlessDays[] = "SpeedButton1";
inline constexpr char ResultsAsymmetryMonthly[] = "asme";
inline constexpr char ResultsAsymmetryYearly[] = "asro";
inline constexpr char ResultsZonesByDrawing[] = "polohy";
inline constexpr char ResultsZonesByYear[] = "polohyr";
inline constexpr char ResultsZonesByMonth[] = "polohym";
inline constexpr char ResultsAsymmetryToText[] = "AsinTXT";
inline constexpr char ResultsZonesToText[] = "zapidosoudorutxt";
inline constexpr char ResultsObserversDaily[] = "SpeedButton15";
inline constexpr char ResultsMeasuredToCsv[] = "SpeedButton8";
inline constexpr char ResultsInterSol[] = "SpeedButton16";
inline constexpr char CoordinateTable[] = "SpeedButton4";
inline constexpr char ResultsClose[] = "SpeedButton9";
// Not a command: the results panel's choice of the Zurich class of the zones.
inline constexpr char ZoneClassChoice[] = "ComboBox1";

} // namespace cmd

// The tool bar's panels; one is shown at a time.
namespace panel {
inline constexpr char Default[] = "zakladni";
inline constexpr char Butterfly[] = "promotylek";
inline constexpr char Graphs[] = "prografy";
inline constexpr char Smoothed[] = "provyhlazovaci";
inline constexpr char Map[] = "promapu";
inline constexpr char Results[] = "provysledky";
} // namespace panel

} // namespace hk
