#include "standins/feedgen/CourseTable.h"

#include <stdexcept>

namespace marovix::feedgen {
namespace {

// Track codes: turf 10 straight, 11 left, 12 left outer, 17 right, 18 right outer; dirt 23 left,
// 24 right; jump 51 turf cross-country, 53 turf left, 54 turf.
constexpr Layout kSapporoTurf[] = {{1200, 17}, {1500, 17}, {1800, 17}, {2000, 17}, {2600, 17}};
constexpr Layout kSapporoDirt[] = {{1000, 24}, {1700, 24}, {2400, 24}};
constexpr Layout kHakodateTurf[] = {{1200, 17}, {1800, 17}, {2000, 17}, {2600, 17}};
constexpr Layout kHakodateDirt[] = {{1000, 24}, {1700, 24}, {2400, 24}};
constexpr Layout kFukushimaTurf[] = {{1200, 17}, {1800, 17}, {2000, 17}, {2600, 17}};
constexpr Layout kFukushimaDirt[] = {{1150, 24}, {1700, 24}, {2400, 24}};
constexpr Layout kFukushimaJump[] = {{2750, 54}, {3380, 54}};
constexpr Layout kNiigataTurf[] = {{1000, 10}, {1200, 11}, {1400, 11}, {1600, 12},
                                   {1800, 12}, {2000, 12}, {2200, 11}, {2400, 11}};
constexpr Layout kNiigataDirt[] = {{1200, 23}, {1800, 23}, {2500, 23}};
constexpr Layout kNiigataJump[] = {{2850, 53}, {3250, 53}};
constexpr Layout kTokyoTurf[] = {{1400, 11}, {1600, 11}, {1800, 11}, {2000, 11}, {2300, 11}, {2400, 11}};
constexpr Layout kTokyoDirt[] = {{1300, 23}, {1400, 23}, {1600, 23}, {2100, 23}};
constexpr Layout kTokyoJump[] = {{3000, 53}, {3110, 53}};
constexpr Layout kNakayamaTurf[] = {{1200, 18}, {1600, 18}, {1800, 17}, {2000, 17}, {2200, 18}, {2500, 17}};
constexpr Layout kNakayamaDirt[] = {{1200, 24}, {1800, 24}, {2400, 24}};
constexpr Layout kNakayamaJump[] = {{2880, 51}, {3200, 51}, {3350, 51}, {4100, 51}};
constexpr Layout kChukyoTurf[] = {{1200, 11}, {1400, 11}, {1600, 11}, {2000, 11}, {2200, 11}};
constexpr Layout kChukyoDirt[] = {{1200, 23}, {1400, 23}, {1800, 23}, {1900, 23}};
constexpr Layout kChukyoJump[] = {{3000, 53}, {3300, 53}};
constexpr Layout kKyotoTurf[] = {{1200, 17}, {1400, 18}, {1600, 18}, {1800, 18},
                                 {2000, 17}, {2200, 18}, {2400, 18}, {3000, 18}};
constexpr Layout kKyotoDirt[] = {{1200, 24}, {1400, 24}, {1800, 24}, {1900, 24}};
constexpr Layout kKyotoJump[] = {{3170, 54}, {3930, 54}};
constexpr Layout kHanshinTurf[] = {{1200, 17}, {1400, 17}, {1600, 18}, {1800, 18},
                                   {2000, 17}, {2200, 17}, {2400, 18}, {3000, 17}};
constexpr Layout kHanshinDirt[] = {{1200, 24}, {1400, 24}, {1800, 24}, {2000, 24}};
constexpr Layout kHanshinJump[] = {{2970, 54}, {3140, 54}, {3900, 54}};
constexpr Layout kKokuraTurf[] = {{1200, 17}, {1700, 17}, {1800, 17}, {2000, 17}, {2600, 17}};
constexpr Layout kKokuraDirt[] = {{1000, 24}, {1700, 24}, {2400, 24}};
constexpr Layout kKokuraJump[] = {{2860, 54}, {3390, 54}};

const CourseInfo kCourses[] = {
    {1, kSapporoTurf, kSapporoDirt, {}, 99},
    {2, kHakodateTurf, kHakodateDirt, {}, 99},
    {3, kFukushimaTurf, kFukushimaDirt, kFukushimaJump, 99},
    {4, kNiigataTurf, kNiigataDirt, kNiigataJump, 101},
    {5, kTokyoTurf, kTokyoDirt, kTokyoJump, 101},
    {6, kNakayamaTurf, kNakayamaDirt, kNakayamaJump, 99},
    {7, kChukyoTurf, kChukyoDirt, kChukyoJump, 100},
    {8, kKyotoTurf, kKyotoDirt, kKyotoJump, 101},
    {9, kHanshinTurf, kHanshinDirt, kHanshinJump, 100},
    {10, kKokuraTurf, kKokuraDirt, kKokuraJump, 100},
};

}  // namespace

const CourseInfo& CourseTable::course(int code) {
    if (code < 1 || code > 10) throw std::out_of_range("no JRA course " + std::to_string(code));
    return kCourses[code - 1];
}

}  // namespace marovix::feedgen
