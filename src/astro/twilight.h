// The sky's state from the Sun's altitude: day, the three twilights and
// night, and the altitudes that bound them. The chart's header and the
// night planner both classify with skystate.
#pragma once

// States of the sky, from the brightest.
enum : int {
  SKYDAY = 0,           // Sun's upper limb above the horizon
  SKYCIVIL = 1,         // Sun below the horizon, above CIVILALT
  SKYNAUTICAL = 2,      // Sun below CIVILALT, above NAUTICALALT
  SKYASTRONOMICAL = 3,  // Sun below NAUTICALALT, above ASTROALT
  SKYNIGHT = 4,         // Sun below ASTROALT
  SKYSTATES = 5,
};

// Geometric altitudes, degrees. A point rises or sets when its geometric
// altitude is RISEALT (standard refraction of 34'); the Sun's upper limb
// when its centre is at SUNRISEALT (16' more for its radius); the Moon's
// when its geocentric centre is at MOONRISEALT (its mean parallax of 57'
// above SUNRISEALT's limb and refraction, radius 15.5').
constexpr double RISEALT = -34.0 / 60.0;
constexpr double SUNRISEALT = -50.0 / 60.0;
constexpr double MOONRISEALT = 0.125;
constexpr double CIVILALT = -6.0;
constexpr double NAUTICALALT = -12.0;
constexpr double ASTROALT = -18.0;

// State of the sky (SKYDAY..SKYNIGHT) with the Sun's centre at geometric
// altitude sunalt (degrees).
int skystate(double sunalt);
// The Sun's altitude (degrees) at which state s (SKYDAY..SKYASTRONOMICAL)
// ends as the Sun sinks: SUNRISEALT, CIVILALT, NAUTICALALT or ASTROALT
// (the end of civil twilight is CIVILALT). States outside are held to it.
double skylimit(int s);
// Name of state s ("day", "civil", "nautical", "astronomical", "night");
// "?" outside SKYDAY..SKYNIGHT.
const char *skyname(int s);
