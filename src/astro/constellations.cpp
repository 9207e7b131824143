#include "astro/constellations.h"

#include <cstdio>

// Label point: right ascension in 0.001 h, declination in 0.01 degree, and
// "Abr: Full Name".
struct CNAME {
  int ra, dec;
  const char *text;
};

// Boundary point: pen flag, right ascension in 0.001 h, declination in
// 0.01 degree.
struct CBOUND {
  int pen, ra, dec;
};

static const CNAME cnames[NUMCNAMES] = {
    {564, 3925, "And: Andromeda"},
    {10118, -3365, "Ant: Antlia"},
    {16134, -7641, "Aps: Apus"},
    {19690, 337, "Aql: Aquila"},
    {22697, -1053, "Aqr: Aquarius"},
    {17231, -5189, "Ara: Ara"},
    {2676, 2257, "Ari: Aries"},
    {5947, 4281, "Aur: Auriga"},
    {14687, 3233, "Boo: Bootes"},
    {4721, -3883, "Cae: Caelum"},
    {6151, 7196, "Cam: Camelopardalis"},
    {8497, 2356, "Cnc: Cancer"},
    {13020, 4235, "CVn: Canes Venatici"},
    {6830, -2269, "CMa: Canis Major"},
    {7624, 676, "CMi: Canis Minor"},
    {21048, -1965, "Cap: Capricornus"},
    {7761, -5717, "Car: Carina"},
    {870, 6030, "Cas: Cassiopeia"},
    {12950, -4400, "Cen: Centaurus"},
    {22417, 7256, "Cep: Cepheus"},
    {1709, -664, "Cet: Cetus"},
    {12000, -8199, "Cha: Chamaeleon"},
    {14527, -6770, "Cir: Circinus"},
    {5705, -3708, "Col: Columba"},
    {15880, 3263, "CrB: Corona Borealis"},
    {18655, -4125, "CrA: Corona Australis"},
    {12748, 2265, "Com: Coma Berenices"},
    {12387, -1836, "Crv: Corvus"},
    {11348, -1325, "Crt: Crater"},
    {12481, -6070, "Cru: Crux"},
    {20598, 4958, "Cyg: Cygnus"},
    {20663, 1210, "Del: Delphinus"},
    {5333, -6399, "Dor: Dorado"},
    {17945, 6606, "Dra: Draco"},
    {21251, 794, "Equ: Equuleus"},
    {3876, -1701, "Eri: Eridanus"},
    {2766, -2694, "For: Fornax"},
    {6848, 2482, "Gem: Gemini"},
    {22457, -4586, "Gru: Grus"},
    {17425, 3123, "Her: Hercules"},
    {3212, -5200, "Hor: Horologium"},
    {9136, -1132, "Hya: Hydra"},
    {2589, -7208, "Hyi: Hydrus"},
    {21138, -5268, "Ind: Indus"},
    {22514, 4667, "Lac: Lacerta"},
    {10000, 700, "Leo: Leo"},
    {10316, 3324, "LMi: Leo Minor"},
    {5436, -1935, "Lep: Lepus"},
    {15187, -1545, "Lib: Libra"},
    {15376, -4228, "Lup: Lupus"},
    {7734, 4783, "Lyn: Lynx"},
    {18908, 4065, "Lyr: Lyra"},
    {5500, -7999, "Men: Mensa"},
    {20942, -3620, "Mic: Microscopium"},
    {6962, -374, "Mon: Monoceros"},
    {12460, -6987, "Mus: Musca"},
    {16042, -5229, "Nor: Norma"},
    {22173, -8473, "Oct: Octans"},
    {17037, -265, "Oph: Ophiuchus"},
    {5566, 359, "Ori: Orion"},
    {19160, -6514, "Pav: Pavo"},
    {22617, 1965, "Peg: Pegasus"},
    {3514, 4489, "Per: Perseus"},
    {732, -4823, "Phe: Phoenix"},
    {5381, -5163, "Pic: Pictor"},
    {891, 1548, "Psc: Pisces"},
    {22410, -3143, "PsA: Piscis Austrinus"},
    {7873, -3239, "Pup: Puppis"},
    {8891, -2921, "Pyx: Pyxis"},
    {3899, -6049, "Ret: Reticulum"},
    {19667, 1700, "Sge: Sagitta"},
    {19385, -2911, "Sgr: Sagittarius"},
    {16865, -3567, "Sco: Scorpius"},
    {1000, -3849, "Scl: Sculptor"},
    {18651, -1011, "Sct: Scutum"},
    {15731, 1085, "Ser: Serpens"},
    {17958, -1352, "Ser: Serpens"},
    {10102, -187, "Sex: Sextans"},
    {4095, 1734, "Tau: Taurus"},
    {19244, -5154, "Tel: Telescopium"},
    {2043, 3234, "Tri: Triangulum"},
    {16124, -6590, "TrA: Triangulum Australe"},
    {23000, -6406, "Tuc: Tucana"},
    {10263, 5748, "UMa: Ursa Major"},
    {14974, 7504, "UMi: Ursa Minor"},
    {9337, -4851, "Vel: Vela"},
    {13343, -349, "Vir: Virgo"},
    {7659, -6939, "Vol: Volans"},
    {20367, 2503, "Vul: Vulpecula"},
};

// IAU boundary corners referred to J2000, in runs of connected points,
// the first run Chamaeleon's outline; three zero records close the table.
static const CBOUND cbound[] = {
#include "astro/cbound_table.inc"
};

const int iConBoundRecs = (int)(sizeof cbound / sizeof *cbound);
const int iNumConBounds = iConBoundRecs - 3;

// Length of the abbreviation and its ": " separator in a label text.
static const int kAbbrLen = 3, kNameOffset = 5;

static bool getlabel(int i, double *ra, double *dec) {
  if (i < 0 || i >= NUMCNAMES) return false;
  *ra = cnames[i].ra / 1000.0;
  *dec = cnames[i].dec / 100.0;
  return true;
}

bool getCname(int i, char *text, double *ra, double *dec) {
  if (!getlabel(i, ra, dec)) return false;
  std::snprintf(text, 20, "%s", cnames[i].text + kNameOffset);
  return true;
}

bool getCnameAbbr(int i, char *text, double *ra, double *dec) {
  if (!getlabel(i, ra, dec)) return false;
  std::snprintf(text, kAbbrLen + 1, "%s", cnames[i].text);
  return true;
}

int getconbounds(int i, double *ra, double *dec) {
  if (i < 0 || i >= iConBoundRecs) return 0;
  *ra = cbound[i].ra / 1000.0;
  *dec = cbound[i].dec / 100.0;
  return cbound[i].pen;
}
