#pragma once
// The drawing record: one observation of 1774 bytes, the unit of datax.dat and
// of every record file. The layout is the file's layout byte for byte.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "records/short_string.h"

namespace hk {

static_assert(std::endian::native == std::endian::little,
              "record files are little-endian and are read as raw blocks");

inline constexpr int MaxGroups = 40;
inline constexpr int FaculaeVertexCount = 6;

#pragma pack(push, 1)

// Entry k of a record: group k and, independently, faculae field k.
struct TSkupina {
    ShortString<3> Typ;                       // McIntosh class, "***" = not set
    std::uint8_t Poc;                         // spots
    std::uint8_t SPen;                        // spots with penumbra
    std::uint16_t Uhel;                       // position angle, tenths of a degree
    std::uint16_t Vzd;                        // distance, tenths of a unit of the 125-unit disk
    std::uint16_t Plocha;                     // area
    std::uint16_t MalS;                       // small spots
    std::uint16_t CSk1;                       // global group number
    std::uint16_t CSk2;                       // number within the rotation
    std::uint16_t Pomocna1;                   // packed position of auxiliary spot 1
    std::uint16_t Plo1;                       // area of auxiliary spot 1
    std::uint16_t Pomocna2;                   // packed position of auxiliary spot 2
    std::uint16_t Plo2;                       // area of auxiliary spot 2
    std::uint16_t Fakule[FaculaeVertexCount]; // packed vertices of faculae field k
    std::uint16_t Rezerva;
};

// Per-hemisphere summary; Sev = north (latitude >= 0), South = south.
struct TSouhrn {
    std::uint16_t Cas;
    std::uint16_t gSev, fSev, RSev, CVSev, SNSev, RBSev, PlSev, PkSev;
    std::uint16_t gJih, fJih, RJih, CVJih, SNJih, RBJih, PlJih, PkJih;
    std::uint16_t qc, fc, rc, PocetFakuli;
    std::uint8_t PP, Obr, Q;
    std::uint8_t Rezerva;
};

struct TZaznam {
    ShortString<10> Datum; // "dd.mm.yyyy"; empty = unused record
    std::uint8_t PP;       // observing conditions
    std::uint8_t Obr;      // image quality
    std::uint8_t Q;
    std::uint8_t PocetSkupin;      // groups in use, 0..40
    std::uint8_t PocetFakKresleni; // faculae fields with vertices, 0..40
    std::uint16_t Cas;             // time UT as hhmm
    std::uint16_t qc, fc, rc;      // central zone
    std::uint16_t PocetFakuli;     // faculae fields counted
    std::uint16_t Rotace;          // Carrington rotation
    std::uint16_t L0;              // Trunc(L0)
    std::uint16_t CisloZakresu;    // serial * 100 + two-digit year
    std::uint16_t Rezerva1;
    ShortString<30> Pozorovatel;
    ShortString<20> Stanice;
    ShortString<20> Zvlastni;      // empty or "zvlášťní"
    ShortString<18> PlochaFakuli;  // faculae area as decimal text
    std::uint16_t NastaveniKresby; // drawing setting, record 1 only
    TSkupina Skupiny[MaxGroups];
    TSouhrn Souhrn;

    // Number of group entries in use, never above 40 even in a damaged file.
    int groupCount() const { return PocetSkupin > MaxGroups ? MaxGroups : PocetSkupin; }
    int faculaeCount() const { return PocetFakKresleni > MaxGroups ? MaxGroups : PocetFakKresleni; }
};

#pragma pack(pop)

static_assert(sizeof(TSkupina) == 40);
static_assert(sizeof(TSouhrn) == 46);
static_assert(sizeof(TZaznam) == 1774);
static_assert(offsetof(TZaznam, NastaveniKresby) == 126);
static_assert(offsetof(TZaznam, Skupiny) == 128);
static_assert(offsetof(TZaznam, Souhrn) == 1728);
static_assert(offsetof(TZaznam, Pozorovatel) == 34);
static_assert(offsetof(TZaznam, PlochaFakuli) == 107);
static_assert(std::is_trivially_copyable_v<TZaznam>);
static_assert(std::is_standard_layout_v<TZaznam>);

inline constexpr std::size_t RecordSize = sizeof(TZaznam);

} // namespace hk
