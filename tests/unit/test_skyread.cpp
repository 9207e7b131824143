// Horizon coordinates against PyEphem (geometric, pressure 0) for a place
// at 51.4769 N, 71.5 W; twilight states at the published limits; star
// names joined to both shipped catalogues; finding by name.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "astro/horizon.h"
#include "chart/lookup.h"
#include "chart/skyread.h"
#include "chart/starcat.h"
#include "chart/starnames.h"
#include "allegro_env.h"
#include "places/place.h"
#include "tempdir.h"

namespace {
struct Reference {
  double jd, betelalt, betelaz, vegaalt, vegaaz, sunalt;  // PyEphem 4.1, degrees
};
const Reference kRef[] = {
    {2461383.86, 31.453161, 238.294864, 5.822798, 27.950447, -36.177101},
    {2451545.3, -17.984708, 51.293153, 60.750496, 259.355779, 9.209721},
    {2460000.75, 9.374677, 270.142943, 20.841361, 53.255234, -45.896225},
};
}  // namespace

TEST(SkyRead, AltitudeAzimuthAndSunAgainstPyEphem) {
  dLattit = 51.4769;
  dLongit = 71.5;
  for (const Reference &r : kRef) {
    double alt, az;
    chartaltaz(r.jd, 5.919529, 7.407064, &alt, &az);
    EXPECT_NEAR(alt, r.betelalt, 0.02) << r.jd;
    EXPECT_NEAR(az, r.betelaz, 0.03) << r.jd;
    chartaltaz(r.jd, 18.615646, 38.7837, &alt, &az);
    EXPECT_NEAR(alt, r.vegaalt, 0.02) << r.jd;
    EXPECT_NEAR(az, r.vegaaz, 0.03) << r.jd;
    EXPECT_NEAR(sunaltitude(r.jd), r.sunalt, 0.05) << r.jd;
  }
}

TEST(SkyRead, TwilightStatesAtThePublishedLimits) {
  // Sunrise/sunset at -0.833 (refraction and semi-diameter), civil -6,
  // nautical -12, astronomical -18; a limit belongs to the darker state.
  const struct {
    double alt;
    int state;
  } cases[] = {{45, SKYDAY},        {-0.8, SKYDAY},        {-0.834, SKYCIVIL},
               {-5.9, SKYCIVIL},    {-6, SKYNAUTICAL},     {-11.99, SKYNAUTICAL},
               {-12, SKYASTRONOMICAL},     {-17.9, SKYASTRONOMICAL},     {-18, SKYNIGHT},
               {-80, SKYNIGHT}};
  for (const auto &c : cases) EXPECT_EQ(skystate(c.alt), c.state) << c.alt;
  EXPECT_STREQ(skyname(SKYNAUTICAL), "nautical");
}

TEST(StarNames, ReaderSkipsJunkAndBothCataloguesNameBetelgeuse) {
  TempDir dir("names");
  std::string path = dir.path + "/names.txt";
  FILE *f = fopen(path.c_str(), "w");
  fputs("# head\n27989 5.919527 7.40710 0.45 alp Ori|Betelgeuse\n0 1 1 1 x|zero\n5 25 0 1 a|ra\n"
        "7 1 1 1 no bar\n91262 18.615646 38.78370 0.03 alp Lyr|Vega\r\n",
        f);
  fclose(f);
  f = fopen(path.c_str(), "r");
  ASSERT_EQ(readstarnames(f), 2);
  fclose(f);
  EXPECT_EQ(iNamedRejected, 3);
  EXPECT_STREQ(namedstars[1].name, "Vega");
  EXPECT_STREQ(namedstars[0].desig, "alp Ori");
  EXPECT_EQ(namedstarbyhip(91262), 1);
  EXPECT_EQ(namedstarbyhip(91263), -1);

  // The shipped names with either shipped catalogue: Betelgeuse (HIP
  // 27989, 5h 55m 10.3s +7 24' 25") carries its name and number.
  startallegro(32);
  ASSERT_GT(loadstarnames(), 1500);
  for (int cat : {1, 0}) {
    catnum = cat;
    ASSERT_EQ(readskycatalog(cat), 0);
    int k = namedstarbyhip(27989);
    ASSERT_GE(k, 0);
    int i = namedstarat[k];
    ASSERT_GE(i, 0) << StarCatID;
    EXPECT_STREQ(starlabel(*starnameof(i)), "Betelgeuse");
    EXPECT_NEAR(star[i].rahours, 5.0 + 55.0 / 60 + 10.3 / 3600, 3e-4) << StarCatID;
    EXPECT_NEAR(star[i].decdeg, 7.0 + 24.0 / 60 + 25.0 / 3600, 3e-3) << StarCatID;
    int named = 0;
    for (int s = 0; s < Snum; s++) named += starnameof(s) != nullptr;
    EXPECT_GT(named, 1400) << StarCatID;
  }
}

TEST(Lookup, NamesNumbersPartsAndUnknowns) {
  startallegro(32);
  ASSERT_GT(loadstarnames(), 1500);
  FINDHIT hits[MAXFINDHITS];
  ASSERT_EQ(findbyname("  betelGEUSE ", hits, MAXFINDHITS), 1);
  EXPECT_EQ(hits[0].kind, FINDSTAR);
  EXPECT_NEAR(hits[0].ra, 5.9195, 1e-3);
  ASSERT_EQ(findbyname("HIP 27989", hits, MAXFINDHITS), 1);
  EXPECT_NEAR(hits[0].dec, 7.407, 1e-3);
  ASSERT_EQ(findbyname("moon", hits, MAXFINDHITS), 1);
  EXPECT_EQ(hits[0].kind, FINDMOON);
  int n = findbyname("Bet", hits, MAXFINDHITS);
  ASSERT_GT(n, 0);
  bool betel = false;
  for (int k = 0; k < n; k++) {
    EXPECT_NE(hits[k].match, MATCHEXACT);
    betel = betel || strstr(hits[k].name, "Betelgeuse");
  }
  EXPECT_TRUE(betel) << "a partial name offers the star";
  EXPECT_EQ(findbyname("no such object", hits, MAXFINDHITS), 0);
}
