// A cubic lathe with an end slope point of its own, scaled uniformly and moved down.
#declare H = 1.2;
lathe { cubic_spline 7,
  <0.5, -1>, <1, -1.5>, <1.6, -0.5>, <1.1, 0.4 * H>, <0.9, H>, <1.3, 1.6 * H>, <3.5, 0>
  scale 1.25
  translate <0, -0.5, 0>
}
